#pragma once
// wtuxws32.dll as the library binds it: loaded by name, every entry looked up by the exact
// name of the binding table. A missing entry stays nullptr (the export-table test names it).
#include <cstdint>
#include <string>
#include <vector>

namespace ruzi::testing {

// The binding table's entry names, and tpsetroutername, as the library looks them up.
const std::vector<std::string>& BindingTableNames();

struct ClientEntries {
  using PushReceiver = void (*)(const char*, const char*, int32_t);

  int32_t (*tpinit)(void*) = nullptr;
  int32_t (*tpinitex)(void*, const char*) = nullptr;
  int32_t (*tpterm)() = nullptr;
  int32_t (*tpchkauth)() = nullptr;
  int32_t (*getconnectstate)() = nullptr;
  int32_t (*tpgetctxt)(int32_t*, int32_t) = nullptr;
  int32_t (*tpsetctxt)(int32_t, int32_t) = nullptr;
  int32_t (*tpsetcontxt)(int32_t) = nullptr;
  char* (*tpalloc)(const char*, const char*, int32_t) = nullptr;
  void (*tpfree)(char*) = nullptr;
  void (*tpfreeEx)(char*, int32_t) = nullptr;
  int32_t (*Fget)(void*, int32_t, int32_t, void*, int32_t) = nullptr;
  int32_t (*Fchg)(void*, int32_t, int32_t, void*, int32_t) = nullptr;
  int32_t (*Fadd)(void*, int32_t, void*, int32_t) = nullptr;
  int32_t (*tpcall)(const char*, char*, int32_t, char**, int32_t*, int32_t, int32_t, int32_t) = nullptr;
  int32_t (*tpcallex)(const char*, char*, int32_t, char**, int32_t*, int32_t, int32_t, int32_t) = nullptr;
  int32_t (*tpcallSvrId)(int32_t, char*, int32_t, char**, int32_t*, int32_t, int32_t, int32_t) = nullptr;
  int32_t (*tpcallSvrIdEx)(int32_t, const void*, int32_t, char**, int32_t*, char**, int32_t*, int32_t, int32_t,
                           int32_t) = nullptr;
  int32_t (*tpacall)(const char*, char*, int32_t, int32_t) = nullptr;
  int32_t (*tpgetrply)(int32_t, char**, int32_t*, int32_t) = nullptr;
  int32_t (*tpconnect)(const char*, char*, int32_t, int32_t) = nullptr;
  int32_t (*tpclose)() = nullptr;
  int32_t (*gettperrno)() = nullptr;
  int32_t (*gettpurcode)() = nullptr;
  const char* (*tpstrerror)(int32_t) = nullptr;
  char* (*tuxgetenv)(const char*) = nullptr;
  int32_t (*tuxputenv)(const char*) = nullptr;
  int32_t (*tpsetroutername)(const char*) = nullptr;
  int32_t (*setsafecfgnewEx)(const char*) = nullptr;
  int32_t (*setproxy)(const char*) = nullptr;
  int32_t (*regpushclient)(PushReceiver) = nullptr;
  int32_t (*unregpushclient)() = nullptr;
  int32_t (*subscribe)(const char*) = nullptr;
  int32_t (*unsubscribe)(const char*) = nullptr;
  int32_t (*pushmsg)(const char*, const char*, int32_t) = nullptr;

  std::string module_path;  // full path of the loaded DLL
};

// Loads wtuxws32.dll (once per process) and binds every entry by name.
const ClientEntries& Client();

}  // namespace ruzi::testing
