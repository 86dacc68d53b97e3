#pragma once
// Sizes stored at 100 % and shown at the screen's zoom rate, which the host executable
// reports through its export "GetZoomRate" (100 when it has none).

namespace ruzi {

using ZoomRateFunction = int (*)();

// The host's rate: the export's answer, 100 without the export or for a rate below 1.
int GetZoomRate();
int ZoomRateOf(ZoomRateFunction host_export);

// round(v x Z / 100), ties to even.
int CalcLoadRateValue(int value);
int CalcLoadRateValue(int value, int zoom_rate);

// The stored value again when the shown one is what loading it gives (an untouched size does
// not drift), else round(shown x 100 / Z).
int CalcSaveRateValue(int value, int shown);
int CalcSaveRateValue(int value, int shown, int zoom_rate);

}  // namespace ruzi
