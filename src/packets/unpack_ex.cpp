#include "packets/unpack_ex.h"

namespace ruzi {

// Defined here so that the class's virtual table lives in the library, once.
TUnPackEx::~TUnPackEx() = default;

}  // namespace ruzi
