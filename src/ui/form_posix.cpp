// Without a window system a form has no message loop: it cannot be shown modally, and Release
// frees it at once.
#include "foundation/error.h"
#include "ui/form.h"

namespace ruzi {

bool IsFormDialogMessage(const void*) { return false; }
void TCustomForm::CreateParams(TCreateParams& params) { TWinControl::CreateParams(params); }
void TCustomForm::PlaceAtShow() {}
void TCustomForm::Release() { delete this; }
int TCustomForm::ShowModal() { throw Error("Cannot show a form modally without a window system"); }

}  // namespace ruzi
