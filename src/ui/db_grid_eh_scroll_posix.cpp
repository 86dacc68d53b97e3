// Without a window system the grid has no bars to show and no keyboard to ask.
#include "ui/db_grid_eh.h"

namespace ruzi {

void TDBGridEh::UpdateScrollBars() {}
int TDBGridEh::TrackPosition(bool) { return 0; }
bool TDBGridEh::ControlKeyDown() { return false; }

}  // namespace ruzi
