#pragma once
// The window message "WM_GETRESRATE", registered by name so that every module of the process
// (and the host) agrees on its id; a zoom form answers it with the address of its zoom factor
// (TFormZoom::WMGETRESRATE). Windows only; any thread.
#include <cstdint>

#include "ruzirareva/export.h"

namespace ruzi {

RUZI_API uint32_t ResRateMessage();

}  // namespace ruzi
