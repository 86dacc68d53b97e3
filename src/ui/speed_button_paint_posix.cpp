#include "ui/speed_button.h"

namespace ruzi {

void TSpeedButton::Paint() {}

}  // namespace ruzi
