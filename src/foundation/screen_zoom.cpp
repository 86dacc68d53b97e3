#include "foundation/screen_zoom.h"

#include <cmath>

#include "platform/executable_export.h"

namespace ruzi {
namespace {

constexpr int kFullSize = 100;

int RoundHalfEven(double value) { return static_cast<int>(std::rint(value)); }

int Usable(int zoom_rate) { return zoom_rate >= 1 ? zoom_rate : kFullSize; }

}  // namespace

int ZoomRateOf(ZoomRateFunction host_export) {
  if (host_export == nullptr) return kFullSize;
  return Usable(host_export());
}

int GetZoomRate() {
  return ZoomRateOf(reinterpret_cast<ZoomRateFunction>(platform::ExecutableExport("GetZoomRate")));
}

int CalcLoadRateValue(int value, int zoom_rate) {
  return RoundHalfEven(value * static_cast<double>(Usable(zoom_rate)) / 100);
}

int CalcLoadRateValue(int value) { return CalcLoadRateValue(value, GetZoomRate()); }

int CalcSaveRateValue(int value, int shown, int zoom_rate) {
  if (CalcLoadRateValue(value, zoom_rate) == shown) return value;
  return RoundHalfEven(shown * 100.0 / Usable(zoom_rate));
}

int CalcSaveRateValue(int value, int shown) { return CalcSaveRateValue(value, shown, GetZoomRate()); }

}  // namespace ruzi
