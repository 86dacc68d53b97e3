#pragma once
// Shows the gallery form for `ruzi ui gallery`: zoomed to `rate` percent when rate > 0; then
// either a PNG of its client area written to `shot` and the form closed, or, with no shot, the
// form running until it is closed. Prints what it showed.
#include <string>

#include "command.h"

namespace ruzi {
class TAutoZoomForm;
}

namespace ruzi::cli {

void ShowGallery(TAutoZoomForm& form, double rate, const std::string& shot, CommandContext& context);

}  // namespace ruzi::cli
