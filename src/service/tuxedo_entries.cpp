#include "service/tuxedo_entries.h"

#include "platform/ascii_case.h"
#include "foundation/error.h"
#include "platform/dynamic_library.h"
#include "platform/file_system.h"
#include "platform/paths.h"

namespace ruzi {

TpInitFn _tpinit;
TpVoidStatusFn _tpterm;
TpVoidStatusFn _tpchkauth;
TpFreeFn _tpfree;
TpFreeExFn _tpfreeEx;
TpAllocFn _tpalloc;
TpCallFn _tpcall;
FGetFn _fget;
FGetFn _fchg;
FAddFn _fadd;
TpVoidStatusFn _gettperrno;
TpVoidStatusFn _gettpurcode;
TpStrErrorFn _tpstrerror;
TpGetRplyFn _tpgetrply;
TpACallFn _tpacall;
TuxGetEnvFn _tuxgetenv;
TuxPutEnvFn _tuxputenv;
void* tpconnect;
void* tpclose;
void* tpgetctxt;
void* tpsetctxt;
void* tpinitex;
void* tpsetcontxt;
TpCallFn tpcallex;
TpCallSvrIdFn _tpcallsvrid;
TpCallSvrIdExFn _tpcallSvrIdEx;
void* setsafecfgnewEx;
void* setproxy;
void* regpushclient;
void* unregpushclient;
void* txsubscribe;
void* txunsubscribe;
void* txpushmsg;
void* getconnectstate;

namespace {

// Binds `entry` to the export `name` of `library` (nullptr when absent or no library).
template <typename Fn>
void Bind(Fn& entry, const platform::DynamicLibrary& library, const char* name) {
  entry = library.ExportAs<Fn>(name);
}

bool HostIsExecutable() {
  std::string path = platform::ExecutablePath();
  if (path.size() < 4) return false;
  std::string extension = path.substr(path.size() - 4);
  return AsciiEqualIgnoreCase(extension, ".exe");
}

}  // namespace

std::string PrivateClientCopyPath() { return platform::ExecutableDirectory() + kClientLibraryName; }

bool PrivateClientCopyExists() { return platform::SystemFileSystem().FileExists(PrivateClientCopyPath()); }

void* LoadWTuxws32Dll() {
  platform::DynamicLibrary library = platform::DynamicLibrary::LoadedOrLoad(kClientLibraryName);
  if (!library.IsLoaded()) throw Error("请安装Tuxedo客户端程序！");
  library.Keep();  // the client stays loaded for the life of the process
  return library.Handle();
}

void* LoadLibwscDll() {
  if (PrivateClientCopyExists()) return LoadWTuxws32Dll();
  platform::DynamicLibrary library = platform::DynamicLibrary::LoadedOrLoad("libwsc.dll");
  library.Keep();
  return library.Handle();
}

void ClearTuxedoEnv() {
  _tpinit = nullptr;
  _tpterm = _tpchkauth = _gettperrno = _gettpurcode = nullptr;
  _tpfree = nullptr;
  _tpfreeEx = nullptr;
  _tpalloc = nullptr;
  _tpcall = tpcallex = nullptr;
  _fget = _fchg = nullptr;
  _fadd = nullptr;
  _tpstrerror = nullptr;
  _tpgetrply = nullptr;
  _tpacall = nullptr;
  _tuxgetenv = nullptr;
  _tuxputenv = nullptr;
  _tpcallsvrid = nullptr;
  _tpcallSvrIdEx = nullptr;
  for (void** entry : {&tpconnect, &tpclose, &tpgetctxt, &tpsetctxt, &tpinitex, &tpsetcontxt, &setsafecfgnewEx,
                       &setproxy, &regpushclient, &unregpushclient, &txsubscribe, &txunsubscribe, &txpushmsg,
                       &getconnectstate}) {
    *entry = nullptr;
  }
}

void InitTuxedoEnv() {
  ClearTuxedoEnv();
  platform::DynamicLibrary client = platform::DynamicLibrary::LoadedOrLoad(kClientLibraryName);
  if (!client.IsLoaded()) {
    if (HostIsExecutable()) throw Error("找不到文件wtuxws32.dll, 请确认是否已经安装Tuxedo客户端!");
    return;
  }
  client.Keep();
  void* context_handle = LoadLibwscDll();

  Bind(_tpinit, client, "tpinit");
  Bind(_tpterm, client, "tpterm");
  Bind(_tpchkauth, client, "tpchkauth");
  Bind(_tpfree, client, "tpfree");
  Bind(_tpfreeEx, client, "tpfreeEx");
  Bind(_tpalloc, client, "tpalloc");
  Bind(_tpcall, client, "tpcall");
  Bind(_fget, client, "Fget");
  Bind(_fchg, client, "Fchg");
  Bind(_fadd, client, "Fadd");
  Bind(_gettperrno, client, "gettperrno");
  Bind(_gettpurcode, client, "gettpurcode");
  Bind(_tpstrerror, client, "tpstrerror");
  Bind(_tpgetrply, client, "tpgetrply");
  Bind(_tpacall, client, "tpacall");
  Bind(_tuxgetenv, client, "tuxgetenv");
  Bind(_tuxputenv, client, "tuxputenv");
  Bind(tpconnect, client, "tpconnect");
  Bind(tpclose, client, "tpclose");

  if (context_handle != nullptr) {
    platform::DynamicLibrary context_library = platform::DynamicLibrary::Borrow(context_handle);
    Bind(tpgetctxt, context_library, "tpgetctxt");
    Bind(tpsetctxt, context_library, "tpsetctxt");
  }

  if (PrivateClientCopyExists()) {
    Bind(tpinitex, client, "tpinitex");
    Bind(tpsetcontxt, client, "tpsetcontxt");
    Bind(tpcallex, client, "tpcallex");
    Bind(_tpcallsvrid, client, "tpcallSvrId");
    Bind(_tpcallSvrIdEx, client, "tpcallSvrIdEx");
    Bind(setsafecfgnewEx, client, "setsafecfgnewEx");
    Bind(setproxy, client, "setproxy");
    Bind(regpushclient, client, "regpushclient");
    Bind(unregpushclient, client, "unregpushclient");
    Bind(txsubscribe, client, "subscribe");
    Bind(txunsubscribe, client, "unsubscribe");
    Bind(txpushmsg, client, "pushmsg");
    Bind(getconnectstate, client, "getconnectstate");
  }
}

int32_t tpinit(tpinfo_t* tpinfo) { return _tpinit ? _tpinit(tpinfo) : -1; }
int32_t tpterm() { return _tpterm ? _tpterm() : -1; }
int32_t tpchkauth() { return _tpchkauth ? _tpchkauth() : -1; }
void tpfree(char* buffer) {
  if (_tpfree) _tpfree(buffer);
}
void tpfreeEx(char* buffer, int32_t length) {
  if (_tpfreeEx) _tpfreeEx(buffer, length);
}
char* tpalloc(const char* type, const char* subtype, int32_t size) {
  return _tpalloc ? _tpalloc(type, subtype, size) : nullptr;
}
int32_t tpcall(const char* service, char* request, int32_t request_length, char** reply, int32_t* reply_length,
               int32_t flags, int32_t timeout, bool flag) {
  return _tpcall ? _tpcall(service, request, request_length, reply, reply_length, flags, timeout, flag ? 1 : 0) : -1;
}
int32_t fget(void* buffer, int32_t field_id, int32_t occurrence, void* value, int32_t length) {
  return _fget ? _fget(buffer, field_id, occurrence, value, length) : -1;
}
int32_t fchg(void* buffer, int32_t field_id, int32_t occurrence, void* value, int32_t length) {
  return _fchg ? _fchg(buffer, field_id, occurrence, value, length) : -1;
}
int32_t fadd(void* buffer, int32_t field_id, void* value, int32_t length) {
  return _fadd ? _fadd(buffer, field_id, value, length) : -1;
}
int32_t gettperrno() { return _gettperrno ? _gettperrno() : 0; }
int32_t gettpurcode() { return _gettpurcode ? _gettpurcode() : 0; }
const char* tpstrerror(int32_t error_number) {
  const char* text = _tpstrerror ? _tpstrerror(error_number) : nullptr;
  return text != nullptr ? text : "";
}
int32_t tpgetrply(int32_t descriptor, char** reply, int32_t length, int32_t flags) {
  int32_t local_length = length;
  return _tpgetrply ? _tpgetrply(descriptor, reply, &local_length, flags) : -1;
}
int32_t tpacall(const char* service, char* request, int32_t length, int32_t flags) {
  return _tpacall ? _tpacall(service, request, length, flags) : -1;
}
char* tuxgetenv(const char* name) { return _tuxgetenv ? _tuxgetenv(name) : nullptr; }
int32_t tuxputenv(const char* assignment) { return _tuxputenv ? _tuxputenv(assignment) : -1; }

}  // namespace ruzi
