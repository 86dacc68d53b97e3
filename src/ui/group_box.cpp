#include "ui/group_box.h"

namespace ruzi {

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TWinControl(owner) { SetBounds(0, 0, 185, 105); }

void TCustomGroupBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = "BUTTON";
  params.Style |= 0x0007;  // BS_GROUPBOX
}

}  // namespace ruzi
