#include "ui/res_rate_message.h"

#include <windows.h>

namespace ruzi {

uint32_t ResRateMessage() {
  static const uint32_t id = RegisterWindowMessageA("WM_GETRESRATE");
  return id;
}

}  // namespace ruzi
