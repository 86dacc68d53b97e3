#include "client_entries.h"

#include "platform/dynamic_library.h"

namespace ruzi::testing {

namespace {

ClientEntries Bind() {
  platform::DynamicLibrary library = platform::DynamicLibrary::LoadedOrLoad("wtuxws32.dll");
  ClientEntries entries;
  if (!library.IsLoaded()) return entries;
#define RUZI_CLIENT_BIND(name) entries.name = library.ExportAs<decltype(entries.name)>(#name);
  RUZI_CLIENT_ENTRIES(RUZI_CLIENT_BIND)
#undef RUZI_CLIENT_BIND
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
