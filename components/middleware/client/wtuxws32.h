#pragma once
// wtuxws32.dll: our transaction middleware client. Every entry the library's binding looks
// up, under exactly that name (wtuxws32.def), plus tpsetroutername. Status results are 0 on
// success and -1 on failure, with the reason in gettperrno/tpstrerror of the calling thread.
// Texts are GBK.
//
// The integer and the boolean after the flags of the call entries: the time-out in
// milliseconds, and whether it applies (0: the call waits for its answer however long).
// A call that times out returns -1 with error 13; its answer, should it still come, is dropped.
#include <cstdint>

#include "push_subscriptions.h"

extern "C" {

// Sign-on with a TPINIT record (or nullptr). Flags 32 gives the calling thread a context
// (connection) of its own; otherwise the context is the process's.
int32_t tpinit(void* tpinfo);
// The same against `address` ("//host:port", a list as WSNADDR takes) instead of WSNADDR.
int32_t tpinitex(void* tpinfo, const char* address);
// Ends the calling thread's context (signs off, closes). 0 also when there was none.
int32_t tpterm();
// 2: the server may ask for an application password (ruzi-mwd --credentials).
int32_t tpchkauth();
// 1 when the calling thread's context is signed on and its connection is still there.
int32_t getconnectstate();
int32_t tpgetctxt(int32_t* context, int32_t flags);
int32_t tpsetctxt(int32_t context, int32_t flags);
int32_t tpsetcontxt(int32_t context);

// Typed buffers: "STRING", "CARRAY" ("X_OCTET"), "FML32" ("FML"), "TPINIT". Size 0: 1024.
char* tpalloc(const char* type, const char* subtype, int32_t size);
void tpfree(char* buffer);
// The length is the caller's count of the bytes in use; the buffer goes whatever it is.
void tpfreeEx(char* buffer, int32_t length);
// Field buffers (see fml_fields.h); `length` in Fget is the most bytes to copy (0: any).
int32_t Fget(void* buffer, int32_t field_id, int32_t occurrence, void* value, int32_t length);
int32_t Fchg(void* buffer, int32_t field_id, int32_t occurrence, void* value, int32_t length);
int32_t Fadd(void* buffer, int32_t field_id, void* value, int32_t length);

// By service name. The reply goes into *reply (a typed buffer, grown when too small; a new
// one of the request's type when *reply is nullptr).
int32_t tpcall(const char* service, char* request, int32_t request_length, char** reply, int32_t* reply_length,
               int32_t flags, int32_t timeout, int32_t flag);
// The same with `request_length` raw bytes out (CARRAY) and the reply's exact bytes back.
int32_t tpcallex(const char* service, char* request, int32_t request_length, char** reply, int32_t* reply_length,
                 int32_t flags, int32_t timeout, int32_t flag);
// By numeric service id.
int32_t tpcallSvrId(int32_t service_id, char* request, int32_t request_length, char** reply, int32_t* reply_length,
                    int32_t flags, int32_t timeout, int32_t flag);
// By function number with an opaque packet. `mode` 1: *reply receives a block of the
// process heap that the caller frees with HeapFree(GetProcessHeap(), 0, p) (nullptr for an
// empty reply); mode 0: a CARRAY typed buffer as in tpcall. *text (a typed buffer, grown;
// allocated when nullptr) receives the message text, *text_length its length: the
// service's message on success, the failure's on failure.
int32_t tpcallSvrIdEx(int32_t function_no, const void* packet, int32_t packet_length, char** reply,
                      int32_t* reply_length, char** text, int32_t* text_length, int32_t mode, int32_t timeout,
                      int32_t flag);
// Asynchronous calls: tpacall gives a descriptor (flag 4, no reply: 0); tpgetrply waits for
// that reply (flag 0x80: any; 1: do not wait; 8: no bound; otherwise at most 30 s).
int32_t tpacall(const char* service, char* request, int32_t length, int32_t flags);
int32_t tpgetrply(int32_t descriptor, char** reply, int32_t* length, int32_t flags);
// Conversations are not offered by our server: always -1 with error 6.
int32_t tpconnect(const char* service, char* data, int32_t length, int32_t flags);
// Workstation clients open no resource manager: nothing to close.
int32_t tpclose();

int32_t gettperrno();
int32_t gettpurcode();
// Valid until the calling thread's next tpstrerror.
const char* tpstrerror(int32_t error_number);

// The Win32 environment. tuxgetenv's text lives until the thread's next tuxgetenv; nullptr
// when unset. tuxputenv takes "NAME=value".
char* tuxgetenv(const char* name);
int32_t tuxputenv(const char* assignment);

// The route name sent with every later call of the process (nullptr or "" clears it).
int32_t tpsetroutername(const char* name);
// Kept for the process; our connections are plain TCP without proxy.
int32_t setsafecfgnewEx(const char* config);
int32_t setproxy(const char* address);
// Push messages within the process (push_subscriptions.h).
int32_t regpushclient(ruzi::wsclient::PushReceiver receiver);
int32_t unregpushclient();
int32_t subscribe(const char* topic);
int32_t unsubscribe(const char* topic);
int32_t pushmsg(const char* topic, const char* data, int32_t length);

}  // extern "C"
