// Nothing is painted without a window system.
#include "ui/label.h"
#include "ui/panel.h"

namespace ruzi {

void TLabel::Paint() {}
void TPanel::Paint() {}

}  // namespace ruzi
