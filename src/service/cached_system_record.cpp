#include "service/cached_system_record.h"

#include "platform/dynamic_library.h"

namespace ruzi {

std::optional<RSystemInfo> CachedSystemRecord() {
  platform::DynamicLibrary library = platform::DynamicLibrary::LoadedOrLoad("memdata.dll");
  if (!library.IsLoaded()) return std::nullopt;
  library.Keep();  // the module belongs to the process once loaded
  auto entry = library.ExportAs<TableExportFn<ISystemInfo>>("SystemInfo");
  ISystemInfo* table = nullptr;
  if (entry != nullptr) entry(&table);
  if (table == nullptr) return std::nullopt;
  std::optional<RSystemInfo> record;
  if (const RSystemInfo* info = table->Info()) record = *info;
  table->Release();
  return record;
}

}  // namespace ruzi
