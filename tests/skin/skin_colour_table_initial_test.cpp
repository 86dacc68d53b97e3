// The skin colour table with no face library bound: every entry keeps the client's initial
// value (tests/data/skin_colour_initial.txt, in load order), the exported variables too.
#include <gtest/gtest.h>

#include "ruzirareva/foundation/error.h"
#include "ruzirareva/skin/face_manager.h"
#include "ruzirareva/skin/skin_colour_table.h"
#include "vector_file.h"

namespace ruzi {
namespace {

TEST(SkinColourTable, UnboundKeepsEveryInitialValue) {
  // Exported entries hold their initial values before anything loads.
  EXPECT_EQ(HmMenuPenColor, 0xC3C3C3u);
  EXPECT_EQ(gfmaccountgroup, 0x80000008u);
  EXPECT_EQ(gfmFullStockcodeBackGroundColor, 0xF4F4F4u);
  EXPECT_FALSE(SkinColourTableLoaded());
  gEnvironmentVariable = "1";  // the binding was tried and found nothing
  const auto rows = testing::ReadVectors("skin_colour_initial.txt");
  ASSERT_EQ(rows.size(), 168u);
  for (const auto& row : rows) {
    EXPECT_EQ(GetSkinTableValue(row[0], row[1]), std::stoul(row[2], nullptr, 16)) << row[0] << "/" << row[1];
  }
  EXPECT_TRUE(SkinColourTableLoaded());
  EXPECT_EQ(QxFormDrawColor, 0x0000FFu);
  EXPECT_FALSE(LABEL_TRANSPARENT);
  EXPECT_THROW(GetSkinTableValue("dbgrideh", "titlefontcolor"), Error) << "the key keeps its blank";
  EXPECT_THROW(GetSkinTableValue("dxdbgrid", "BgColor"), Error) << "element names are byte-exact";
}

}  // namespace
}  // namespace ruzi
