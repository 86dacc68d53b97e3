#pragma once
// What a tree node's expansion may be, and the operations that change what it shows. Constants
// only.
#include <cstdint>

namespace ruzi {

enum TExpandFlag : uint8_t { efCollapse = 0, efExpand = 1 };

enum TColEspKind : uint8_t { cekCollapse = 0, cekExpand = 1, cekShow = 2, cekHide = 3 };

}  // namespace ruzi
