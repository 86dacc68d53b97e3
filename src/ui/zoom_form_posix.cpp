#include "ui/zoom_form.h"

namespace ruzi {

bool IsResRateMessage(uint32_t) { return false; }

// No monitors here: the size forms are designed for.
TSize TZoomForm::MonitorSize() { return TSize{kZoomBaseWidth, kZoomBaseHeight}; }

}  // namespace ruzi
