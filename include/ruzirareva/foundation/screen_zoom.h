#pragma once
// Sizes stored at 100 % and shown at the screen's zoom rate, which the host executable
// reports through its export "GetZoomRate" (100 when it has none). Any thread may call them; the
// rate is asked of the executable on each call.
#include "ruzirareva/export.h"


namespace ruzi {

using ZoomRateFunction = int (*)();

// The host's rate: the export's answer, 100 without the export or for a rate below 1.
RUZI_API int GetZoomRate();
RUZI_API int ZoomRateOf(ZoomRateFunction host_export);

// round(v x Z / 100), ties to even.
RUZI_API int CalcLoadRateValue(int value);
RUZI_API int CalcLoadRateValue(int value, int zoom_rate);

// The stored value again when the shown one is what loading it gives (an untouched size does
// not drift), else round(shown x 100 / Z).
RUZI_API int CalcSaveRateValue(int value, int shown);
RUZI_API int CalcSaveRateValue(int value, int shown, int zoom_rate);

}  // namespace ruzi
