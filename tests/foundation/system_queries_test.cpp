// The operating-system questions and the screen zoom, in whichever build runs them; under
// Windows the rate comes from the executable's export.
#include <gtest/gtest.h>

#include "foundation/screen_zoom.h"
#include "foundation/system_queries.h"
#include "platform/computer_name.h"
#include "platform/last_error.h"
#include "platform/win32_error.h"

#ifdef _WIN32
namespace {
int g_host_rate = 125;
}  // namespace

// The test executable plays the host and exports "GetZoomRate".
extern "C" __declspec(dllexport) int GetZoomRate() { return g_host_rate; }
#endif

namespace ruzi {
namespace {

// The system has words for "file not found"; the name fits the buffer of the old interface.
TEST(SystemQueries, WinErrMsgIsCodeColonSystemTextAndTheComputerNameFits) {
  platform::SetLastSystemError(2);
  EXPECT_EQ(GetWinErrMsg(), "2:" + platform::Win32ErrorText(2));
  EXPECT_FALSE(platform::Win32ErrorText(2).empty());
  const std::string name = GetComputerName();
  EXPECT_TRUE(!name.empty() && name.size() < 30u) << name;
  EXPECT_EQ(name, platform::ComputerName());
}

int Rate150() { return 150; }
int RateZero() { return 0; }

TEST(ScreenZoom, RateFromTheHostExport) {
#ifdef _WIN32
  EXPECT_EQ(ruzi::GetZoomRate(), 125);
  EXPECT_EQ(CalcLoadRateValue(40), 50);
  EXPECT_EQ(CalcSaveRateValue(40, 50), 40);
  g_host_rate = -3;
  EXPECT_EQ(ruzi::GetZoomRate(), 100);
  g_host_rate = 125;
#else
  EXPECT_EQ(GetZoomRate(), 100);  // the test executable exports no rate
  EXPECT_EQ(CalcLoadRateValue(37), 37);
#endif
  EXPECT_EQ(ZoomRateOf(nullptr), 100);
  EXPECT_EQ(ZoomRateOf(Rate150), 150);
  EXPECT_EQ(ZoomRateOf(RateZero), 100);
}

TEST(ScreenZoom, LoadAndSaveDoNotDrift) {
  EXPECT_EQ(CalcLoadRateValue(100, 150), 150);
  EXPECT_EQ(CalcLoadRateValue(15, 110), 16);  // 16.5 rounds to even
  EXPECT_EQ(CalcLoadRateValue(25, 110), 28);  // 27.5 rounds to even
  EXPECT_EQ(CalcLoadRateValue(7, 0), 7);
  // An untouched size comes back as stored, although 11 * 100 / 150 is not 7.
  EXPECT_EQ(CalcLoadRateValue(7, 150), 10);
  EXPECT_EQ(CalcSaveRateValue(7, 10, 150), 7);
  EXPECT_EQ(CalcSaveRateValue(7, 30, 150), 20);
  for (int rate = 50; rate <= 300; rate += 25) {
    for (int value = 0; value < 2000; ++value) {
      ASSERT_EQ(CalcSaveRateValue(value, CalcLoadRateValue(value, rate), rate), value);
    }
  }
}

}  // namespace
}  // namespace ruzi
