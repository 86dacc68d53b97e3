#pragma once
// The transaction client's entry points, bound by name when the library starts. The standard
// entries come from wtuxws32.dll wherever the system finds it; the extended ones only from a
// private copy beside the executable; the two context entries from the context library.
// An entry is nullptr while unbound. The forwarders pass their arguments through unchanged;
// called with an unbound entry they report a failure instead (-1, nullptr, or nothing).
#include <cstdint>
#include <string>

namespace ruzi {

using TpInitFn = int32_t (*)(void* tpinfo);
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
extern TpInitFn _tpinit;
extern TpVoidStatusFn _tpterm;
extern TpVoidStatusFn _tpchkauth;
extern TpFreeFn _tpfree;
extern TpFreeExFn _tpfreeEx;
extern TpAllocFn _tpalloc;
extern TpCallFn _tpcall;
extern FGetFn _fget;
extern FGetFn _fchg;
extern FAddFn _fadd;
extern TpVoidStatusFn _gettperrno;
extern TpVoidStatusFn _gettpurcode;
extern TpStrErrorFn _tpstrerror;
extern TpGetRplyFn _tpgetrply;
extern TpACallFn _tpacall;
extern TuxGetEnvFn _tuxgetenv;
extern TuxPutEnvFn _tuxputenv;
extern void* tpconnect;
extern void* tpclose;
// From the context library.
extern void* tpgetctxt;
extern void* tpsetctxt;
// Only from the private copy.
extern void* tpinitex;
extern void* tpsetcontxt;
extern TpCallFn tpcallex;
extern TpCallSvrIdFn _tpcallsvrid;
extern TpCallSvrIdExFn _tpcallSvrIdEx;
extern void* setsafecfgnewEx;
extern void* setproxy;
extern void* regpushclient;
extern void* unregpushclient;
extern void* txsubscribe;
extern void* txunsubscribe;
extern void* txpushmsg;
extern void* getconnectstate;

inline constexpr const char* kClientLibraryName = "wtuxws32.dll";

// Binds every entry (see above). Throws ruzi::Error "找不到文件wtuxws32.dll, 请确认是否已经安装
// Tuxedo客户端!" when the client cannot be loaded and the host is an executable; any other host
// keeps every entry unbound.
void InitTuxedoEnv();
// Forgets every entry (the library unloads).
void ClearTuxedoEnv();
// The client's module handle, loaded if need be; throws "请安装Tuxedo客户端程序！".
void* LoadWTuxws32Dll();
// The context library: the client itself when the private copy exists, else libwsc.dll, or
// nullptr.
void* LoadLibwscDll();
// A file named wtuxws32.dll in the executable's folder.
bool PrivateClientCopyExists();
std::string PrivateClientCopyPath();

// Forwarders.
int32_t tpinit(void* tpinfo);
int32_t tpterm();
int32_t tpchkauth();
void tpfree(char* buffer);
void tpfreeEx(char* buffer, int32_t length);
char* tpalloc(const char* type, const char* subtype, int32_t size);
int32_t tpcall(const char* service, char* request, int32_t request_length, char** reply, int32_t* reply_length,
               int32_t flags, int32_t timeout, bool flag);
int32_t fget(void* buffer, int32_t field_id, int32_t occurrence, void* value, int32_t length);
int32_t fchg(void* buffer, int32_t field_id, int32_t occurrence, void* value, int32_t length);
int32_t fadd(void* buffer, int32_t field_id, void* value, int32_t length);
int32_t gettperrno();
int32_t gettpurcode();
// "" when unbound.
const char* tpstrerror(int32_t error_number);
// The length goes to the client as the address of a local copy; what it writes back is dropped.
int32_t tpgetrply(int32_t descriptor, char** reply, int32_t length, int32_t flags);
int32_t tpacall(const char* service, char* request, int32_t length, int32_t flags);
char* tuxgetenv(const char* name);
int32_t tuxputenv(const char* assignment);

}  // namespace ruzi
