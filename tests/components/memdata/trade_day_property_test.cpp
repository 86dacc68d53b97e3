// The calendar questions against a brute-force walk over civil days: random calendars (with
// gaps, ragged ranges and random kinds), random dates inside and outside them, random
// offsets, kinds, kinds texts and calendar lists. The calendars travel the real road: a
// section packet applied to the cache, then the qualifying-day arrays built from the records.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "day_walk_model.h"
#include "foundation/int_date.h"
#include "trading/cache/day_kind_text.h"
#include "no_source.h"
#include "section_packet.h"
#include "trading/cache/reference_cache.h"

namespace ruzi {
namespace {

using Model = testing::DayWalkModel::Calendars;

using testing::NoSource;

std::string PacketOf(const Model& model) {
  testing::TextRows rows;
  for (const auto& [code, days] : model) {
    for (const auto& [date, kinds] : days) {
      // "" stands for "00".
      rows.push_back({code == "00" && date % 2 == 0 ? "" : code, std::to_string(date), std::to_string(kinds)});
    }
  }
  return testing::SectionPacket({"vc_tradeday_type", "l_date", "l_day_kind"}, rows);
}

Model RandomModel(std::mt19937& random) {
  Model model;
  const char* codes[] = {"00", "HK", "US"};
  for (const char* code : codes) {
    int32_t date = IncIntDate(20231201, static_cast<int32_t>(random() % 40));
    const int32_t length = 30 + static_cast<int32_t>(random() % 120);
    for (int32_t i = 0; i < length; ++i, date = IncIntDate(date, 1)) {
      if (random() % 10 == 0 && i != 0 && i != length - 1) continue;  // a day not stored
      // Bits 0, 1, 3, 4 mostly; bit 2 seldom.
      model[code][date] = static_cast<uint32_t>(random() % 32) & (random() % 8 == 0 ? 0x1F : 0x1B);
    }
  }
  return model;
}

TEST(TradeDayProperty, ShiftsRollsCountsAndTestsAgreeWithAWalk) {
  std::mt19937 random(20260105);
  NoSource source;
  const std::vector<std::vector<std::string>> lists = {{"00"}, {"HK"},      {"US"}, {"00", "HK"}, {"00", "HK", "US"},
                                                       {"XX"}, {"00", "XX"}};
  const char* kind_texts[] = {"0", "1", "3", "4", "1,3", "0,4", " 1 , 4 ", "2", "", "1,x", "40"};
  int checked = 0;
  for (int round = 0; round < 25; ++round) {
    Model model = RandomModel(random);
    const testing::DayWalkModel walk(model);
    ReferenceCache cache(source);
    cache.Apply(CacheTable::TradeDays, {}, PacketOf(model));
    std::shared_ptr<const TradeDayBook> book = cache.Book();
    for (int question = 0; question < 400; ++question) {
      const auto& codes = lists[random() % lists.size()];
      uint32_t mask = random() % 3 == 0 ? KindMaskOfText(kind_texts[random() % std::size(kind_texts)])
                                        : KindBit(static_cast<int32_t>(random() % 6) - (random() % 20 == 0 ? 7 : 0));
      std::shared_ptr<const QualifyingDays> days = book->Days(codes, mask);
      // Dates a little outside every calendar as well as inside.
      const int32_t date = IncIntDate(20231125, static_cast<int32_t>(random() % 220));
      const int32_t other = IncIntDate(20231125, static_cast<int32_t>(random() % 220));
      const int32_t off = static_cast<int32_t>(random() % 41) - 20;
      const int32_t flags = static_cast<int32_t>(random() % 8);
      SCOPED_TRACE(::testing::Message() << "round " << round << " date " << date << " other " << other << " off " << off
                                      << " mask " << mask << " flags " << flags << " list size " << codes.size());
      ASSERT_EQ(days->Contains(date), walk.Qualifies(date, codes, mask));
      ASSERT_EQ(days->Roll(date, off >= 0), walk.Roll(date, codes, off >= 0, mask));
      int32_t pos = -7;
      const int32_t shifted = walk.Shift(date, codes, off, mask);
      ASSERT_EQ(days->Shift(date, off, &pos), shifted);
      ASSERT_EQ(pos, shifted == -1 ? 0 : walk.Ordinal(shifted, codes, mask));
      ASSERT_EQ(days->Count(date, other, flags), walk.Count(date, other, codes, mask, flags));
      ++checked;
    }
  }
  EXPECT_EQ(checked, 25 * 400);
}

}  // namespace
}  // namespace ruzi
