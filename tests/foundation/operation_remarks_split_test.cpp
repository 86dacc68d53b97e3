// The cut of long operation-log remarks: edge lengths by table, then random ASCII, GBK and
// mixed remarks of 0 to 10,000 bytes at both alignments against the properties a reader of the
// server's log relies on (characters known by construction).
#include <gtest/gtest.h>

#include <random>

#include "foundation/operation_remarks_split.h"

namespace ruzi {
namespace {

const std::string kMarker(kRemarksContinuation);

TEST(OperationRemarksSplit, EdgeLengths) {
  const std::string a1999(1999, 'a'), a2009(2009, 'a'), a2010(2010, 'a');
  struct Case {
    const char* what;
    std::string remarks;
    std::vector<std::string> pieces;
  };
  const Case cases[] = {
      {"empty remarks still make one record", "", {""}},
      {"the marker alone makes none", kMarker, {}},
      {"2010 bytes fit one record", a2010, {a2010}},
      {"2011 bytes: the last byte follows the marker", a2010 + "b", {a2010, kMarker + "b"}},
      {"a character straddling byte 2010 stays whole", a2009 + "汉", {a2009 + "汉"}},
      {"and what follows it goes on", a2009 + "汉c", {a2009 + "汉", kMarker + "c"}},
      {"a character ending at byte 2010 is not widened", std::string(2008, 'a') + "汉x",
       {std::string(2008, 'a') + "汉", kMarker + "x"}},
      {"in a continuation the marker's bytes count towards byte 2010", a2010 + a1999 + "汉z",
       {a2010, kMarker + a1999 + "汉", kMarker + "z"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitOperationRemarks(c.remarks), c.pieces) << c.what;
}

// Random remarks of `bytes` bytes, ASCII, GBK or mixed by `kind`; `lead` marks the first byte
// of each double-byte character.
std::string RandomRemarks(std::mt19937& random, size_t bytes, int kind, bool odd_start, std::vector<bool>& lead) {
  std::uniform_int_distribution<int> ascii(0x20, 0x7E), lead_byte(0x81, 0xFE), trail(0x40, 0xFE), coin(0, 1);
  std::string text = odd_start ? "x" : "";
  lead.assign(text.size(), false);
  while (text.size() < bytes) {
    const bool wide = (kind == 1 || (kind == 2 && coin(random) == 1)) && text.size() + 2 <= bytes;
    lead.push_back(wide);
    text += static_cast<char>(wide ? lead_byte(random) : ascii(random));
    if (!wide) continue;
    const int t = trail(random);
    text += static_cast<char>(t == 0x7F ? 0x80 : t);
    lead.push_back(false);
  }
  return text;
}

TEST(OperationRemarksSplit, RandomRemarksAgainstTheModel) {
  std::mt19937 random(20260105);
  std::uniform_int_distribution<size_t> length(0, 10000);
  for (int round = 0; round < 600; ++round) {
    const int kind = round % 3;  // ASCII, GBK, mixed
    std::vector<bool> lead;
    const std::string remarks = RandomRemarks(random, length(random), kind, round % 2 == 1, lead);
    const auto pieces = SplitOperationRemarks(remarks);
    ASSERT_FALSE(pieces.empty());

    std::string joined = pieces[0];
    for (size_t i = 0; i < pieces.size(); ++i) {
      ASSERT_LE(pieces[i].size(), 2011u);
      ASSERT_TRUE(i + 1 == pieces.size() || pieces[i].size() >= 2010u) << "only the last record is short";
      if (i == 0) continue;
      ASSERT_EQ(pieces[i].compare(0, kMarker.size(), kMarker), 0) << "a continuation starts with the marker";
      // The cut before this piece falls between two characters of the remarks.
      ASSERT_TRUE(joined.size() == remarks.size() || joined.size() == 0 || !lead[joined.size() - 1])
          << "round " << round << " cut at " << joined.size();
      joined += pieces[i].substr(kMarker.size());
    }
    ASSERT_EQ(joined, remarks) << "round " << round;
  }
}

}  // namespace
}  // namespace ruzi
