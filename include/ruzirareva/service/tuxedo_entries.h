#pragma once
// The transaction client's entry points, bound by name when the library starts. The standard
// entries come from wtuxws32.dll wherever the system finds it; the extended ones only from a
// private copy beside the executable; the two context entries from the context library.
// An entry is nullptr while unbound. The forwarders pass their arguments through unchanged;
// called with an unbound entry they report a failure instead (-1, nullptr, or nothing). The table
// is written only while the library starts and unloads; any thread may call the forwarders, each on
// its own context.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ruzirareva/export.h"

namespace ruzi {

// The TPINIT record as far as the library fills it; the client allocates it (tpalloc
// "TPINIT", 256 bytes), so the bytes after flags are the client's.
struct tpinfo_t {
  char usrname[32];
  char cltname[32];
  char passwd[32];
  char grpname[32];
  int32_t flags;
};
static_assert(offsetof(tpinfo_t, cltname) == 32 && offsetof(tpinfo_t, passwd) == 64 &&
              offsetof(tpinfo_t, flags) == 128);

// The flags value that asks the client for one context per thread.
inline constexpr int32_t kTpMultiContexts = 32;

using TpInitFn = int32_t (*)(tpinfo_t* tpinfo);
using TpVoidStatusFn = int32_t (*)();
using TpFreeFn = void (*)(char* buffer);
using TpFreeExFn = void (*)(char* buffer, int32_t length);
using TpAllocFn = char* (*)(const char* type, const char* subtype, int32_t size);
// The six arguments of the call, then the time-out and a flag passed in a 32-bit slot.
using TpCallFn = int32_t (*)(const char* service, char* request, int32_t request_length, char** reply,
                             int32_t* reply_length, int32_t flags, int32_t timeout, int32_t flag);
using TpCallSvrIdFn = int32_t (*)(int32_t service_id, char* request, int32_t request_length, char** reply,
                                  int32_t* reply_length, int32_t flags, int32_t timeout, int32_t flag);
using TpCallSvrIdExFn = int32_t (*)(int32_t function_no, const void* packet, int32_t packet_length, char** reply,
                                    int32_t* reply_length, char** text, int32_t* text_length, int32_t mode,
                                    int32_t timeout, int32_t flag);
using FGetFn = int32_t (*)(void* buffer, int32_t field_id, int32_t occurrence, void* value, int32_t length);
using FAddFn = int32_t (*)(void* buffer, int32_t field_id, void* value, int32_t length);
using TpStrErrorFn = const char* (*)(int32_t error_number);
using TpGetRplyFn = int32_t (*)(int32_t descriptor, char** reply, int32_t* length, int32_t flags);
using TpACallFn = int32_t (*)(const char* service, char* request, int32_t length, int32_t flags);
using TuxGetEnvFn = char* (*)(const char* name);
using TuxPutEnvFn = int32_t (*)(const char* assignment);
using TpSetRouterNameFn = int32_t (*)(const char* router_name);

// Always bound (when the library loads).
extern RUZI_API TpInitFn _tpinit;
extern RUZI_API TpVoidStatusFn _tpterm;
extern RUZI_API TpVoidStatusFn _tpchkauth;
extern RUZI_API TpFreeFn _tpfree;
extern RUZI_API TpFreeExFn _tpfreeEx;
extern RUZI_API TpAllocFn _tpalloc;
extern RUZI_API TpCallFn _tpcall;
extern RUZI_API FGetFn _fget;
extern RUZI_API FGetFn _fchg;
extern RUZI_API FAddFn _fadd;
extern RUZI_API TpVoidStatusFn _gettperrno;
extern RUZI_API TpVoidStatusFn _gettpurcode;
extern RUZI_API TpStrErrorFn _tpstrerror;
extern RUZI_API TpGetRplyFn _tpgetrply;
extern RUZI_API TpACallFn _tpacall;
extern RUZI_API TuxGetEnvFn _tuxgetenv;
extern RUZI_API TuxPutEnvFn _tuxputenv;
extern RUZI_API void* tpconnect;
extern RUZI_API void* tpclose;
// From the context library.
extern RUZI_API void* tpgetctxt;
extern RUZI_API void* tpsetctxt;
// Only from the private copy.
extern RUZI_API void* tpinitex;
extern RUZI_API void* tpsetcontxt;
extern RUZI_API TpCallFn tpcallex;
extern RUZI_API TpCallSvrIdFn _tpcallsvrid;
extern RUZI_API TpCallSvrIdExFn _tpcallSvrIdEx;
extern RUZI_API void* setsafecfgnewEx;
extern RUZI_API void* setproxy;
extern RUZI_API void* regpushclient;
extern RUZI_API void* unregpushclient;
extern RUZI_API void* txsubscribe;
extern RUZI_API void* txunsubscribe;
extern RUZI_API void* txpushmsg;
extern RUZI_API void* getconnectstate;

inline constexpr const char* kClientLibraryName = "wtuxws32.dll";

// Binds every entry (see above). Throws ruzi::Error "找不到文件wtuxws32.dll, 请确认是否已经安装
// Tuxedo客户端!" when the client cannot be loaded and the host is an executable; any other host
// keeps every entry unbound.
RUZI_API void InitTuxedoEnv();
// Forgets every entry (the library unloads).
RUZI_API void ClearTuxedoEnv();
// The client's module handle, loaded if need be; throws "请安装Tuxedo客户端程序！".
RUZI_API void* LoadWTuxws32Dll();
// The context library: the client itself when the private copy exists, else libwsc.dll, or
// nullptr.
RUZI_API void* LoadLibwscDll();
// A file named wtuxws32.dll in the executable's folder.
RUZI_API bool PrivateClientCopyExists();
RUZI_API std::string PrivateClientCopyPath();

// Forwarders.
RUZI_API int32_t tpinit(tpinfo_t* tpinfo);
RUZI_API int32_t tpterm();
RUZI_API int32_t tpchkauth();
RUZI_API void tpfree(char* buffer);
RUZI_API void tpfreeEx(char* buffer, int32_t length);
RUZI_API char* tpalloc(const char* type, const char* subtype, int32_t size);
RUZI_API int32_t tpcall(const char* service, char* request, int32_t request_length, char** reply, int32_t* reply_length,
               int32_t flags, int32_t timeout, bool flag);
RUZI_API int32_t fget(void* buffer, int32_t field_id, int32_t occurrence, void* value, int32_t length);
RUZI_API int32_t fchg(void* buffer, int32_t field_id, int32_t occurrence, void* value, int32_t length);
RUZI_API int32_t fadd(void* buffer, int32_t field_id, void* value, int32_t length);
RUZI_API int32_t gettperrno();
RUZI_API int32_t gettpurcode();
// "" when unbound.
RUZI_API const char* tpstrerror(int32_t error_number);
// The length goes to the client as the address of a local copy; what it writes back is dropped.
RUZI_API int32_t tpgetrply(int32_t descriptor, char** reply, int32_t length, int32_t flags);
RUZI_API int32_t tpacall(const char* service, char* request, int32_t length, int32_t flags);
RUZI_API char* tuxgetenv(const char* name);
RUZI_API int32_t tuxputenv(const char* assignment);

}  // namespace ruzi
