#include <windows.h>

#include "ui/qx_form.h"

namespace ruzi {

void TQXForm::SetFormVisible(bool visible) {
  SetVisible(visible);
  if (!visible || !Modal()) return;
  // Back from stepping aside: the modal loop's window takes the keyboard again.
  SetActiveWindow(Handle());
  if (ActiveControl() != nullptr) ActiveControl()->SetFocus();
}

}  // namespace ruzi
