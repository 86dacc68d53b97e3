#include "packets/pack_ex.h"

namespace ruzi {

// Defined here so that the class's virtual table lives in the library, once.
TPackEx::~TPackEx() = default;

}  // namespace ruzi
