// Nothing is painted without a window system.
#include "ui/checkable_db_grid.h"
#include "ui/db_grid_eh.h"
#include "ui/dx_db_grid.h"
#include "ui/dx_tree_list.h"
#include "ui/page_guide.h"
#include "ui/qr_label.h"
#include "ui/selection_frames.h"
#include "ui/virtual_string_tree.h"

namespace ruzi {

void TSelectionFrame::Paint() {}
void TCheckableDBGrid::Paint() {}
void TdxDBGrid::Paint() {}
void TdxTreeList::Paint() {}
void TVirtualStringTree::Paint() {}
void TPageGuide::Paint() {}
void TQRLabel::Paint() {}
void TDBGridEh::Paint() {}

}  // namespace ruzi
