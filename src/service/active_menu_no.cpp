#include "service/active_menu_no.h"

#include "platform/executable_export.h"

namespace ruzi {

std::string ActiveMenuNo() {
  using GetActiveMenuNoFunction = const char* (*)();
  auto entry = reinterpret_cast<GetActiveMenuNoFunction>(platform::ExecutableExport("GetActiveMenuNo"));
  const char* code = entry != nullptr ? entry() : nullptr;
  return code != nullptr ? code : "";
}

}  // namespace ruzi
