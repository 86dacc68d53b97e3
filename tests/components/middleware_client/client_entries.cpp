#include "client_entries.h"

#include "platform/dynamic_library.h"

namespace ruzi::testing {

const std::vector<std::string>& BindingTableNames() {
  static const std::vector<std::string> names = {
      "tpinit",      "tpterm",          "tpchkauth",   "tpfree",        "tpfreeEx",      "tpalloc",
      "tpcall",      "Fget",            "Fchg",        "Fadd",          "gettperrno",    "gettpurcode",
      "tpstrerror",  "tpgetrply",       "tpacall",     "tuxgetenv",     "tuxputenv",     "tpconnect",
      "tpclose",     "tpgetctxt",       "tpsetctxt",   "tpinitex",      "tpsetcontxt",   "tpcallex",
      "tpcallSvrId", "tpcallSvrIdEx",   "setsafecfgnewEx", "setproxy",  "regpushclient", "unregpushclient",
      "subscribe",   "unsubscribe",     "pushmsg",     "getconnectstate", "tpsetroutername"};
  return names;
}

namespace {

ClientEntries Bind() {
  platform::DynamicLibrary library = platform::DynamicLibrary::LoadedOrLoad("wtuxws32.dll");
  ClientEntries entries;
  if (!library.IsLoaded()) return entries;
  auto bind = [&](auto& entry, const char* name) { entry = library.ExportAs<std::decay_t<decltype(entry)>>(name); };
  bind(entries.tpinit, "tpinit");
  bind(entries.tpinitex, "tpinitex");
  bind(entries.tpterm, "tpterm");
  bind(entries.tpchkauth, "tpchkauth");
  bind(entries.getconnectstate, "getconnectstate");
  bind(entries.tpgetctxt, "tpgetctxt");
  bind(entries.tpsetctxt, "tpsetctxt");
  bind(entries.tpsetcontxt, "tpsetcontxt");
  bind(entries.tpalloc, "tpalloc");
  bind(entries.tpfree, "tpfree");
  bind(entries.tpfreeEx, "tpfreeEx");
  bind(entries.Fget, "Fget");
  bind(entries.Fchg, "Fchg");
  bind(entries.Fadd, "Fadd");
  bind(entries.tpcall, "tpcall");
  bind(entries.tpcallex, "tpcallex");
  bind(entries.tpcallSvrId, "tpcallSvrId");
  bind(entries.tpcallSvrIdEx, "tpcallSvrIdEx");
  bind(entries.tpacall, "tpacall");
  bind(entries.tpgetrply, "tpgetrply");
  bind(entries.tpconnect, "tpconnect");
  bind(entries.tpclose, "tpclose");
  bind(entries.gettperrno, "gettperrno");
  bind(entries.gettpurcode, "gettpurcode");
  bind(entries.tpstrerror, "tpstrerror");
  bind(entries.tuxgetenv, "tuxgetenv");
  bind(entries.tuxputenv, "tuxputenv");
  bind(entries.tpsetroutername, "tpsetroutername");
  bind(entries.setsafecfgnewEx, "setsafecfgnewEx");
  bind(entries.setproxy, "setproxy");
  bind(entries.regpushclient, "regpushclient");
  bind(entries.unregpushclient, "unregpushclient");
  bind(entries.subscribe, "subscribe");
  bind(entries.unsubscribe, "unsubscribe");
  bind(entries.pushmsg, "pushmsg");
  entries.module_path = library.Path();
  library.Keep();
  return entries;
}

}  // namespace

const ClientEntries& Client() {
  static const ClientEntries entries = Bind();
  return entries;
}

}  // namespace ruzi::testing
