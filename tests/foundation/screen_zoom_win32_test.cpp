// The test executable plays the host and exports "GetZoomRate".
#include <gtest/gtest.h>

#include "foundation/screen_zoom.h"

namespace {
int g_host_rate = 125;
}

extern "C" __declspec(dllexport) int GetZoomRate() { return g_host_rate; }

namespace ruzi {
namespace {

TEST(ScreenZoom, TheExecutablesExportGivesTheRate) {
  g_host_rate = 125;
  EXPECT_EQ(ruzi::GetZoomRate(), 125);
  EXPECT_EQ(CalcLoadRateValue(40), 50);
  EXPECT_EQ(CalcSaveRateValue(40, 50), 40);
  g_host_rate = -3;
  EXPECT_EQ(ruzi::GetZoomRate(), 100);
  g_host_rate = 125;
}

}  // namespace
}  // namespace ruzi
