#pragma once
// The host executable's active menu, through its export "GetActiveMenuNo": a C function
// without arguments returning the menu code as a GBK C string the host keeps (nullptr: none).
#include <string>

namespace ruzi {

// "" without a host, without that export, or when it returns nullptr.
std::string ActiveMenuNo();

}  // namespace ruzi
