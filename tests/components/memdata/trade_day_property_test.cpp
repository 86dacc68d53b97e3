// The calendar questions against a brute-force walk over civil days: random calendars (with
// gaps, ragged ranges and random kinds), random dates inside and outside them, random
// offsets, kinds, kinds texts and calendar lists. The calendars travel the real road: a
// section packet applied to the cache, then the qualifying-day arrays built from the records.
#include <gtest/gtest.h>

#include <map>
#include <random>

#include "foundation/int_date.h"
#include "packets/pack.h"
#include "trading/cache/day_kind_text.h"
#include "trading/cache/reference_cache.h"

namespace ruzi {
namespace {

using Model = std::map<std::string, std::map<int32_t, uint32_t>>;

class NoSource : public TableSource {
 public:
  bool Fetch(const CacheTableInfo&, const std::vector<std::string>&, std::string*, std::string* error) override {
    *error = "no source";
    return false;
  }
};

// The brute force: a walk over every civil day, asking the maps.
class Walk {
 public:
  Walk(const Model& model, std::vector<std::string> codes, uint32_t mask)
      : model_(model), codes_(std::move(codes)), mask_(mask) {}

  bool InRange(int32_t date) const {
    for (const std::string& code : codes_) {
      auto found = model_.find(code);
      if (found == model_.end() || found->second.empty()) return false;
      if (date < found->second.begin()->first || date > found->second.rbegin()->first) return false;
    }
    return !codes_.empty();
  }
  bool Qualifies(int32_t date) const {
    if (!InRange(date) || mask_ == 0) return false;
    for (const std::string& code : codes_) {
      const auto& days = model_.at(code);
      auto day = days.find(date);
      if (day == days.end() || (day->second & mask_) == 0) return false;
    }
    return true;
  }
  int32_t Roll(int32_t date, bool forward) const {
    if (!InRange(date)) return -1;
    for (int32_t d = date; InRange(d); d = Step(d, forward)) {
      if (Qualifies(d)) return d;
    }
    return -1;
  }
  int32_t Ordinal(int32_t date) const {
    int32_t count = 0;
    for (int32_t d = date; InRange(d); d = DecIntDate(d, 1)) count += Qualifies(d) ? 1 : 0;
    return count;
  }
  int32_t Shift(int32_t date, int32_t off, int32_t* pos) const {
    *pos = 0;
    if (!InRange(date)) return -1;
    int32_t result = -1;
    if (off == 0) {
      result = Roll(date, true);
    } else {
      int32_t moved = 0;
      for (int32_t d = Step(date, off > 0); InRange(d); d = Step(d, off > 0)) {
        if (Qualifies(d) && ++moved == std::abs(off)) {
          result = d;
          break;
        }
      }
    }
    if (result != -1) *pos = Ordinal(result);
    return result;
  }
  int32_t Count(int32_t from, int32_t to, int32_t flags) const {
    if (!InRange(from) || !InRange(to)) return -1;
    if ((flags & 4) != 0 && from > to) std::swap(from, to);
    int32_t count = 0;
    for (int32_t d = from; d <= to; d = IncIntDate(d, 1)) {
      if (d == from && (flags & 1) == 0) continue;
      if (d == to && (flags & 2) == 0) continue;
      count += Qualifies(d) ? 1 : 0;
    }
    return count;
  }

 private:
  static int32_t Step(int32_t date, bool forward) { return forward ? IncIntDate(date, 1) : DecIntDate(date, 1); }

  const Model& model_;
  std::vector<std::string> codes_;
  uint32_t mask_;
};

std::string PacketOf(const Model& model) {
  size_t rows = 0;
  for (const auto& [code, days] : model) rows += days.size();
  TPack pack(true);
  TPackSection& section = pack.GetSection(0);
  section.SetRange(3, static_cast<int32_t>(rows));
  section.CreateFields({"vc_tradeday_type", "l_date", "l_day_kind"});
  for (const auto& [code, days] : model) {
    for (const auto& [date, kinds] : days) {
      section.AddValue(code == "00" && date % 2 == 0 ? std::string() : code);  // "" stands for "00"
      section.AddValue(date);
      section.AddValue(static_cast<int32_t>(kinds));
    }
  }
  pack.CheckBuffer();
  return std::string(pack.Text());
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
    ReferenceCache cache(source);
    cache.Apply(CacheTable::TradeDays, {}, PacketOf(model));
    std::shared_ptr<const TradeDayBook> book = cache.Book();
    for (int question = 0; question < 400; ++question) {
      const auto& codes = lists[random() % lists.size()];
      uint32_t mask = random() % 3 == 0 ? KindMaskOfText(kind_texts[random() % std::size(kind_texts)])
                                        : KindBit(static_cast<int32_t>(random() % 6) - (random() % 20 == 0 ? 7 : 0));
      Walk walk(model, codes, mask);
      std::shared_ptr<const QualifyingDays> days = book->Days(codes, mask);
      // Dates a little outside every calendar as well as inside.
      const int32_t date = IncIntDate(20231125, static_cast<int32_t>(random() % 220));
      const int32_t other = IncIntDate(20231125, static_cast<int32_t>(random() % 220));
      const int32_t off = static_cast<int32_t>(random() % 41) - 20;
      const int32_t flags = static_cast<int32_t>(random() % 8);
      SCOPED_TRACE(testing::Message() << "round " << round << " date " << date << " other " << other << " off " << off
                                      << " mask " << mask << " flags " << flags << " list size " << codes.size());
      ASSERT_EQ(days->Contains(date), walk.Qualifies(date));
      ASSERT_EQ(days->Roll(date, off >= 0), walk.Roll(date, off >= 0));
      int32_t pos = -7;
      int32_t expected_pos = -7;
      ASSERT_EQ(days->Shift(date, off, &pos), walk.Shift(date, off, &expected_pos));
      ASSERT_EQ(pos, expected_pos);
      ASSERT_EQ(days->Count(date, other, flags), walk.Count(date, other, flags));
      ++checked;
    }
  }
  EXPECT_EQ(checked, 25 * 400);
}

TEST(TradeDayProperty, KindsTextsAndCalendarListsReadAsDocumented) {
  EXPECT_EQ(KindMaskOfText("1,3"), 0b1010u);
  EXPECT_EQ(KindMaskOfText(" 0 ,4"), 0b10001u);
  EXPECT_EQ(KindMaskOfText("1,,3"), 0u);  // an empty item spoils the text
  EXPECT_EQ(KindMaskOfText("32"), 0u);
  EXPECT_EQ(KindMaskOfText("-1"), 0u);
  EXPECT_EQ(KindBit(31), 0x80000000u);
  EXPECT_EQ(KindBit(-1), 0u);
  EXPECT_EQ(CalendarList("HK, 00,HK,"), (std::vector<std::string>{"00", "HK"}));
  EXPECT_EQ(CalendarList(""), (std::vector<std::string>{"00"}));
}

}  // namespace
}  // namespace ruzi
