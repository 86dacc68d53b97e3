#pragma once
// wtuxws32.dll as the library binds it: loaded by name, every entry looked up by the exact
// name of the binding table. A missing entry stays nullptr (the export-table test names it).
#include <string>
#include <vector>

#include "client/wtuxws32.h"

namespace ruzi::testing {

// The binding table's entries, and tpsetroutername, as the library looks them up; each has
// the type the DLL declares.
#define RUZI_CLIENT_ENTRIES(X)                                                                                      \
  X(tpinit) X(tpinitex) X(tpterm) X(tpchkauth) X(getconnectstate) X(tpgetctxt) X(tpsetctxt) X(tpsetcontxt)         \
  X(tpalloc) X(tpfree) X(tpfreeEx) X(Fget) X(Fchg) X(Fadd) X(tpcall) X(tpcallex) X(tpcallSvrId) X(tpcallSvrIdEx)   \
  X(tpacall) X(tpgetrply) X(tpconnect) X(tpclose) X(gettperrno) X(gettpurcode) X(tpstrerror) X(tuxgetenv)          \
  X(tuxputenv) X(tpsetroutername) X(setsafecfgnewEx) X(setproxy) X(regpushclient) X(unregpushclient) X(subscribe)  \
  X(unsubscribe) X(pushmsg)

struct ClientEntries {
#define RUZI_CLIENT_ENTRY(name) decltype(&::name) name = nullptr;
  RUZI_CLIENT_ENTRIES(RUZI_CLIENT_ENTRY)
#undef RUZI_CLIENT_ENTRY
  std::string module_path;  // full path of the loaded DLL
};

// Loads wtuxws32.dll (once per process) and binds every entry by name.
const ClientEntries& Client();

}  // namespace ruzi::testing
