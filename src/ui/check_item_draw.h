#pragma once
// Draws one line of an owner-drawn list (a check list box, a check combo): a check mark box, the
// text after it, the selection and focus. `draw_item` is the DRAWITEMSTRUCT a CN_DRAWITEM
// carries. Nothing without a window system. User-interface thread.
#include <cstdint>
#include <string>

namespace ruzi {

class TStrings;
class TItemChecks;

void DrawCheckItem(intptr_t draw_item, const TStrings& items, const TItemChecks& checks);

}  // namespace ruzi
