#pragma once
/* Forms and controls for C hosts: objects made by class name, properties and events by name,
   text in GBK. A control made with a windowed owner is placed in it. Every call belongs to the
   user-interface thread (the thread of the first call); from another thread, and on any bad
   input, a call answers 0 (or NULL) and RuziUiLastError tells why. C++ hosts derive from the
   exported classes instead. */
#include "ruzirareva/export.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef void* RuziUiObject;
/* An event handler: the data given with it, then the object the event is about. */
typedef void (*RuziUiHandler)(void* data, RuziUiObject sender);

RUZI_API RuziUiObject RuziUiCreate(const char* class_name, RuziUiObject owner);
RUZI_API int RuziUiFree(RuziUiObject object);
/* The component `owner` owns under `name` (letter case ignored), or NULL. */
RUZI_API RuziUiObject RuziUiFind(RuziUiObject owner, const char* name);
RUZI_API int RuziUiSetProp(RuziUiObject object, const char* name, const char* text);
/* Copies the property's text, NUL-terminated, into `buffer`; answers the text's length, which
   may exceed `size` - 1 (the text is then cut), or -1 on failure. */
RUZI_API int RuziUiGetProp(RuziUiObject object, const char* name, char* buffer, int size);
RUZI_API int RuziUiSetEvent(RuziUiObject object, const char* name, RuziUiHandler handler, void* data);
RUZI_API int RuziUiShow(RuziUiObject form);
/* The modal result, or 0 on failure. */
RUZI_API int RuziUiShowModal(RuziUiObject form);
RUZI_API void* RuziUiHandle(RuziUiObject control);
/* Runs the application with `form` as its main form until it closes. */
RUZI_API int RuziUiRun(RuziUiObject form);
/* A host's message loop hands each MSG here first; nonzero: already handled. */
RUZI_API int RuziUiPreTranslate(const void* msg);
/* Why the calling thread's last call failed ("" after a success). The text is per thread: it
   stays valid until the same thread calls again, and other threads never change it. */
RUZI_API const char* RuziUiLastError(void);

#ifdef __cplusplus
}
#endif
