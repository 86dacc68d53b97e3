// The test executable exports nothing dynamically: the rate is the default.
#include <gtest/gtest.h>

#include "foundation/screen_zoom.h"

namespace ruzi {
namespace {

TEST(ScreenZoom, WithoutTheExportTheRateIs100) {
  EXPECT_EQ(GetZoomRate(), 100);
  EXPECT_EQ(CalcLoadRateValue(37), 37);
  EXPECT_EQ(CalcSaveRateValue(37, 40), 40);
}

}  // namespace
}  // namespace ruzi
