#include "ui/panel.h"

namespace ruzi {

TPanel::TPanel(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 185, 41);
  SetParentColor(false);
}

}  // namespace ruzi
