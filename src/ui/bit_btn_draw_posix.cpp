#include "ui/bit_btn.h"

namespace ruzi {

void TBitBtn::DrawItem(intptr_t) {}

}  // namespace ruzi
