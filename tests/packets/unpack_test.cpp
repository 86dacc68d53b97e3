// The section packet reader: in-place parse, structure errors, cursor rules, field access.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "foundation/error.h"
#include "packets/unpack.h"
#include "packets/unpack_ex.h"

namespace ruzi {
namespace {

using namespace std::string_literals;

// A header as the writer makes it.
std::string Header(int cols, int rows) {
  char text[32];
  std::snprintf(text, sizeof text, "%5d\x01%10d\x01", cols, rows);
  return text;
}

std::string Items(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += item + "\x01";
  return text;
}

std::string OpenError(std::string packet) {
  TUnpack reader(false);
  try {
    reader.Open(packet.data(), static_cast<int32_t>(packet.size()));
  } catch (const Error& error) {
    return error.what();
  }
  return "(no error)";
}

TEST(UnpackOpen, ReadsInPlaceReplacingEverySeparator) {
  std::string packet = Header(1, 1) + Items({"l_fund_id", "7"});
  const std::string original = packet;
  TUnpack reader(false);
  reader.Open(packet.data(), static_cast<int32_t>(packet.size()));
  TUnpackSection& section = reader.GetSection(0);
  EXPECT_EQ(section.ColCount(), 1);
  EXPECT_EQ(section.RowCount(), 1);
  EXPECT_EQ(section.GetFieldName(0), "l_fund_id");
  EXPECT_EQ(section.GetField(0).GetAsInteger(), 7);
  EXPECT_EQ(section.GetField(0).Text(), packet.data() + 27);  // points into the caller's bytes
  std::string expected = original;
  std::replace(expected.begin(), expected.end(), '\x01', '\0');
  EXPECT_EQ(packet, expected);

  std::string kept = original;
  TUnpack owning(true);
  owning.Open(kept.data(), static_cast<int32_t>(kept.size()));
  EXPECT_EQ(kept, original);
  EXPECT_EQ(owning.GetSection(0).FieldByName("l_fund_id").GetAsString(), "7");
}

TEST(UnpackOpen, TwoSectionsBackToBackAndZeroRows) {
  std::string packet = Header(2, 0) + Items({"a", "b"}) + Header(1, 2) + Items({"c", "x", "y"}) +
                       Header(1, 0) + Items({"d"});
  TUnPackEx reader(true);
  reader.Open(packet.data(), static_cast<int32_t>(packet.size()));
  ASSERT_EQ(reader.SectionCount(), 3);
  EXPECT_EQ(reader.GetRecordCount(), 0);
  EXPECT_EQ(reader.GetFieldCount(), 2);
  EXPECT_TRUE(reader.GetEof());
  EXPECT_TRUE(reader.GetBof());
  EXPECT_EQ(reader.GetFieldName(1), "b");
  EXPECT_EQ(reader.GetField(1).GetAsString(), "");  // no current row: an empty field
  EXPECT_EQ(reader.FieldByName("a").GetAsString(), "");
  reader.SetCurrentSection(1);
  EXPECT_EQ(reader.GetFieldName(0), "c");
  EXPECT_EQ(reader.GetField(0).GetAsString(), "x");
  reader.Next();
  EXPECT_EQ(reader.GetField(0).GetAsString(), "y");
  reader.SetCurrentSection(2);
  EXPECT_EQ(reader.GetFieldName(0), "d");
  EXPECT_TRUE(reader.GetEof());
}

TEST(UnpackOpen, StructureErrors) {
  EXPECT_EQ(OpenError(Header(0, 1) + Items({"a"})), "解包列个数错误");
  EXPECT_EQ(OpenError("abc\x01" "1\x01" "a\x01"s), "解包列个数错误");
  EXPECT_EQ(OpenError(Header(-3, 1) + Items({"a"})), "解包列个数错误");
  EXPECT_EQ(OpenError(Header(1, -1) + Items({"a"})), "解包记录数错误");
  EXPECT_EQ(OpenError(Header(1, 2) + Items({"a", "1"})), "行、列数与实际不符");
  EXPECT_EQ(OpenError(Header(2, 1) + Items({"a", "b", "1"}) + "2"), "行、列数与实际不符");
  // A huge claimed count must fail on the missing items, not on memory.
  EXPECT_EQ(OpenError(Header(99999, 2147483647) + Items({"a"})), "行、列数与实际不符");
  // Leading zeros and blanks are both fine.
  EXPECT_EQ(OpenError("00001\x01  0000001\x01" "a\x01" "1\x01"s), "(no error)");
}

TEST(UnpackOpen, EveryTruncationFailsCleanlyUnlessItEndsASection) {
  const std::string first = Header(2, 1) + Items({"a", "b", "1", "2"});
  const std::string second = Header(1, 1) + Items({"c", "3"});
  const std::string whole = first + second;
  for (size_t cut = 1; cut <= whole.size(); ++cut) {
    // An exact-size copy, so ASan sees any read past the end.
    std::vector<char> bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
    TUnpack reader(false);
    const bool boundary = cut == first.size() || cut == whole.size();
    try {
      reader.Open(bytes.data(), static_cast<int32_t>(cut));
      EXPECT_TRUE(boundary) << "cut at " << cut << " was accepted";
    } catch (const Error& error) {
      EXPECT_FALSE(boundary) << "cut at " << cut << ": " << error.what();
      const std::string message = error.what();
      EXPECT_TRUE(message == "解包列个数错误" || message == "行、列数与实际不符") << cut << ": " << message;
    }
  }
}

TEST(UnpackOpen, FailedOpenKeepsEarlierSectionsAndReopenClearsStaleOnes) {
  std::string packet = Header(1, 1) + Items({"a", "1"}) + Header(1, 3) + Items({"b", "2"});
  TUnpack reader(true);
  EXPECT_THROW(reader.Open(packet.data(), static_cast<int32_t>(packet.size())), Error);
  EXPECT_EQ(reader.SectionCount(), 2);
  EXPECT_EQ(reader.GetSection(0).FieldByName("a").GetAsString(), "1");

  std::string small = Header(1, 1) + Items({"z", "9"});
  reader.Open(small.data(), static_cast<int32_t>(small.size()));
  EXPECT_EQ(reader.SectionCount(), 1);
  EXPECT_TRUE(reader.GetSection(1).Items().empty());
  EXPECT_EQ(reader.GetSection(1).GetRecNo(), 0);

  // Nothing to read: every section at Eof, the count as it was.
  reader.GetSection(0).First();
  reader.Open(small.data(), 0);
  EXPECT_EQ(reader.SectionCount(), 1);
  EXPECT_TRUE(reader.GetSection(0).Eof());
  EXPECT_EQ(reader.GetSection(0).GetField(0).GetAsString(), "9");
}

class UnpackCursor : public ::testing::Test {
 protected:
  void SetUp() override {
    std::vector<std::string> items{"n", "v"};
    for (int row = 1; row <= 5; ++row) items.insert(items.end(), {std::to_string(row), "r" + std::to_string(row)});
    packet_ = Header(2, 5) + Items(items);
    reader_.Open(packet_.data(), static_cast<int32_t>(packet_.size()));
  }
  TUnpackSection& Section() { return reader_.GetSection(0); }
  int Row() { return Section().GetField(0).GetAsInteger(); }

  std::string packet_;
  TUnpack reader_{false};
};

TEST_F(UnpackCursor, EndsSetFlagsAndKeepTheCursor) {
  EXPECT_FALSE(Section().Eof());
  EXPECT_FALSE(Section().Bof());
  EXPECT_EQ(Section().GetRecNo(), 1);
  Section().Prior();
  EXPECT_TRUE(Section().Bof());
  EXPECT_EQ(Row(), 1);
  Section().Last();
  EXPECT_EQ(Section().Cursor(), 10);
  EXPECT_FALSE(Section().Bof());
  Section().Next();
  EXPECT_TRUE(Section().Eof());
  EXPECT_EQ(Row(), 5);
  EXPECT_EQ(Section().GetRecNo(), 5);
  Section().Prior();
  EXPECT_FALSE(Section().Eof());
  EXPECT_EQ(Row(), 4);
}

TEST_F(UnpackCursor, MoveByAndSetRecNo) {
  EXPECT_EQ(Section().MoveBy(2), 3);
  EXPECT_EQ(Row(), 3);
  EXPECT_EQ(Section().MoveBy(0), 3);
  EXPECT_EQ(Section().MoveBy(7), 5);
  EXPECT_TRUE(Section().Eof());
  EXPECT_EQ(Section().MoveBy(-2), 3);
  EXPECT_FALSE(Section().Eof());
  EXPECT_EQ(Section().MoveBy(-3), 1);
  EXPECT_TRUE(Section().Bof());
  Section().SetRecNo(4);
  EXPECT_EQ(Row(), 4);
  Section().SetRecNo(-2147483647 - 1);
  EXPECT_EQ(Row(), 1);
  EXPECT_TRUE(Section().Bof());
  EXPECT_EQ(Section().MoveBy(2147483647), 5);
  EXPECT_TRUE(Section().Eof());
}

// The cursor rules restated in rows (rather than item indexes) as a model.
struct CursorModel {
  int rows;
  int record = 1;
  bool eof = false;
  bool bof = false;
  void First() {
    if (rows == 0) { eof = bof = true; return; }
    record = 1; eof = bof = false;
  }
  void Last() {
    if (rows == 0) { eof = bof = true; return; }
    record = rows; eof = bof = false;
  }
  void MoveBy(long long n) {
    if (n == 0) return;
    if (n > 0 && record + n > rows) { Last(); eof = true; }
    else if (n < 0 && record + n < 1) { First(); bof = true; }
    else { record += static_cast<int>(n); eof = bof = false; }
  }
  void Next() { if (record + 1 > rows) eof = true; else { ++record; eof = bof = false; } }
  void Prior() { if (record - 1 < 1) bof = true; else { --record; eof = bof = false; } }
};

TEST(UnpackCursorModel, RandomWalksAgreeWithTheRowModel) {
  std::mt19937 random(7);
  for (int rows = 0; rows <= 6; ++rows) {
    for (int cols = 1; cols <= 3; ++cols) {
      std::vector<std::string> items;
      for (int c = 0; c < cols; ++c) items.push_back("c" + std::to_string(c));
      for (int r = 1; r <= rows; ++r)
        for (int c = 0; c < cols; ++c) items.push_back(std::to_string(r * 10 + c));
      std::string packet = Header(cols, rows) + Items(items);
      TUnpack reader(false);
      reader.Open(packet.data(), static_cast<int32_t>(packet.size()));
      TUnpackSection& section = reader.GetSection(0);
      CursorModel model{rows};
      model.First();
      for (int step = 0; step < 300; ++step) {
        const int op = static_cast<int>(random() % 7);
        const int n = static_cast<int>(random() % 17) - 8;
        switch (op) {
          case 0: section.First(); model.First(); break;
          case 1: section.Last(); model.Last(); break;
          case 2: section.Next(); model.Next(); break;
          case 3: section.Prior(); model.Prior(); break;
          case 4: section.MoveBy(n); model.MoveBy(n); break;
          case 5: section.SetRecNo(n); model.MoveBy(n - model.record); break;
          default: break;
        }
        ASSERT_EQ(section.Eof(), model.eof) << rows << "x" << cols << " step " << step << " op " << op;
        ASSERT_EQ(section.Bof(), model.bof) << rows << "x" << cols << " step " << step << " op " << op;
        const int column = static_cast<int>(random() % cols);
        const std::string expected = rows == 0 ? "" : std::to_string(model.record * 10 + column);
        ASSERT_EQ(section.GetField(column).GetAsString(), expected) << rows << "x" << cols << " step " << step;
      }
    }
  }
}

TEST(UnpackFields, ColumnChecksAndNameLookups) {
  // Column names "col", "臁a" (lead 0xE9, trail 0x41 'A') and "代码".
  const std::string gbk_upper = "\xE9\x41"s;
  const std::string gbk_lower = "\xE9\x61"s;
  std::string packet = Header(3, 1) + Items({"col", gbk_upper, "代码", "1", "2", "3"});
  TUnpack reader(false);
  reader.Open(packet.data(), static_cast<int32_t>(packet.size()));
  TUnpackSection& section = reader.GetSection(0);
  auto error = [](const std::function<void()>& action) -> std::string {
    try {
      action();
    } catch (const Error& e) {
      return e.what();
    }
    return "(no error)";
  };
  EXPECT_EQ(error([&] { section.GetField(3); }), "列号超出范围: 3");
  EXPECT_EQ(error([&] { section.GetField(-1); }), "列号超出范围: -1");
  EXPECT_EQ(error([&] { section.GetFieldName(3); }), "列号超出范围: 3");
  EXPECT_EQ(error([&] { section.FieldByName("COL"); }), "找不到列 COL");
  EXPECT_EQ(section.FieldByName2("COL").GetAsString(), "1");
  EXPECT_EQ(section.FieldByName2("cOl").GetAsString(), "1");
  EXPECT_EQ(section.FieldByNamex("COL").GetAsString(), "");
  EXPECT_EQ(section.FieldByNamex("COL").Text(), section.EmptyField().Text());
  EXPECT_EQ(section.FieldByName("代码").GetAsString(), "3");
  EXPECT_EQ(section.FieldByName2(gbk_upper).GetAsString(), "2");
  // The trail byte of a double-byte character is not a letter: no fold there.
  EXPECT_EQ(error([&] { section.FieldByName2(gbk_lower); }), "找不到列 " + gbk_lower);
  EXPECT_EQ(error([&] { section.FieldByName("co"); }), "找不到列 co");
}

TEST(UnpackFields, FieldConversions) {
  auto field = [](const char* text) { return TField(text); };
  EXPECT_EQ(field("2.5").GetAsInteger(), 2);
  EXPECT_EQ(field("3.5").GetAsInteger(), 4);
  EXPECT_EQ(field("-2.5").GetAsInteger(), -2);
  EXPECT_EQ(field("-3.5").GetAsInteger(), -4);
  EXPECT_EQ(field("2.51").GetAsInteger(), 3);
  EXPECT_EQ(field(" 12 ").GetAsInteger(), 12);
  EXPECT_EQ(field("abc").GetAsInteger(), 0);
  EXPECT_EQ(field("$1F").GetAsInteger(), 31);  // no float, but an integer
  EXPECT_EQ(field("1e3").GetAsInteger(), 1000);
  EXPECT_EQ(field("4294967297").GetAsInteger(), 1);  // low 32 bits, as the client's integers
  EXPECT_EQ(field("1e300").AsIntegerDef(-9), -9);
  EXPECT_EQ(field("").AsIntegerDef(5), 5);
  EXPECT_DOUBLE_EQ(field("1.25").GetAsFloat(), 1.25);
  EXPECT_DOUBLE_EQ(field("x").GetAsFloat(), 0.0);
  EXPECT_DOUBLE_EQ(field("x").AsFloatDef(2.5), 2.5);
  EXPECT_EQ(field("").GetAsChar(), '\0');
  EXPECT_EQ(field("xy").GetAsChar(), 'x');
  EXPECT_EQ(field("").AsCharDef('d'), 'd');
  EXPECT_EQ(field("").AsStringDef("dflt"), "dflt");
  EXPECT_EQ(field("v").AsStringDef("dflt"), "v");
  EXPECT_TRUE(field("TRUE").AsBoolDef(false));
  EXPECT_TRUE(field("true").AsBoolDef(false));
  EXPECT_FALSE(field("False").AsBoolDef(true));
  EXPECT_FALSE(field("0").AsBoolDef(true));
  EXPECT_TRUE(field("-2").AsBoolDef(false));
  EXPECT_TRUE(field("yes").AsBoolDef(true));
  EXPECT_FALSE(field("yes").AsBoolDef(false));
}

}  // namespace
}  // namespace ruzi
