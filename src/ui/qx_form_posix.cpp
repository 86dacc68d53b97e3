#include "ui/qx_form.h"

namespace ruzi {

// No windows to activate here.
void TQXForm::SetFormVisible(bool visible) { SetVisible(visible); }

}  // namespace ruzi
