// The signed-on operator, as the reference-data cache's system record holds it.
#include "platform/dynamic_library.h"
#include "service/qx_comm.h"
#include "trading/cache/memtable.h"

namespace ruzi {

std::string qxGetOperatorNo() {
  platform::DynamicLibrary library = platform::DynamicLibrary::LoadedOrLoad("memdata.dll");
  if (!library.IsLoaded()) return "";
  library.Keep();  // the module belongs to the process once loaded
  auto entry = library.ExportAs<TableExportFn<ISystemInfo>>("SystemInfo");
  ISystemInfo* table = nullptr;
  if (entry != nullptr) entry(&table);
  if (table == nullptr) return "";
  const RSystemInfo* record = table->Info();
  std::string number = record != nullptr ? std::to_string(record->operator_no) : "";
  table->Release();
  return number;
}

}  // namespace ruzi
