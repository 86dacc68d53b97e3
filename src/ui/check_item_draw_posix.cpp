#include "ui/check_item_draw.h"

namespace ruzi {

void DrawCheckItem(intptr_t, const TStrings&, const TItemChecks&) {}

}  // namespace ruzi
