#include "ui/dx_tree_list.h"

namespace ruzi {

TdxTreeList::TdxTreeList(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 250, 150);
  SetParentColor(false);
  SetColor(clWindow);
}

}  // namespace ruzi
