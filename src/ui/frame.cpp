#include "ui/frame.h"

namespace ruzi {

TFrame::TFrame(TComponent* owner) : TWinControl(owner) {
  SetBounds(0, 0, 320, 240);
  SetParentColor(true);
}

}  // namespace ruzi
