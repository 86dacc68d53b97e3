// The section packet writer: exact bytes, counts checks, header rewrite, buffer growth.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <set>
#include <string>

#include "foundation/error.h"
#include "packets/pack.h"
#include "packets/pack_ex.h"

namespace ruzi {
namespace {

using namespace std::string_literals;

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& error) {
    return error.what();
  }
  return "(no error)";
}

TEST(PackWriter, OneColumnOneRowIsTheDocumentedBytes) {
  TPack pack(true);
  TPackSection& section = pack.GetSection(0);
  section.SetRange(1, 1);
  section.AddField("l_fund_id");
  section.AddValue(7);
  pack.CheckBuffer();
  const std::string expected = "    1\x01         1\x01l_fund_id\x01" "7\x01"s;
  EXPECT_EQ(pack.Text(), expected);
  EXPECT_EQ(pack.Size(), static_cast<int32_t>(expected.size()));
  EXPECT_EQ(pack.Buffer()[pack.Size()], '\0');
  EXPECT_EQ(section.StartOffset(), 0);
  EXPECT_EQ(section.HeadLength(), 17 + 10);
  EXPECT_EQ(section.Length(), 17 + 10 + 2);
  EXPECT_EQ(pack.SectionCount(), 1);
}

TEST(PackWriter, ValueFormsAndEmptyValues) {
  TPack pack(true);
  TPackSection& section = pack.GetSection(0);
  section.SetRange(1, 8);
  section.AddField("v");
  section.AddValue('\0');
  section.AddValue('x');
  section.AddValue(true);
  section.AddValue(false);
  section.AddValue(3.14159, 2);
  section.AddValue(-42);
  section.AddValue(static_cast<int32_t>(INT32_MIN));
  section.AddValue("");
  pack.CheckBuffer();
  const std::string values(pack.Text().substr(17 + 2));
  EXPECT_EQ(values, "\x01x\x01" "1\x01" "0\x01" "3.14\x01-42\x01-2147483648\x01\x01"s);
  EXPECT_EQ(section.ValuesAdded(), 8);
}

TEST(PackWriter, ZeroRowSectionAndTwoSectionsBackToBack) {
  TPackEx pack(true);
  pack.SetRange(2, 0);
  pack.CreateFields({"a", "b"});
  pack.SetCurrentSection(1);
  pack.SetRange(1, 2);
  pack.AddField("c");
  pack.AddRow({"x", "y"});
  pack.CheckBuffer();
  const std::string expected =
      "    2\x01         0\x01" "a\x01" "b\x01" "    1\x01         2\x01" "c\x01x\x01y\x01"s;
  EXPECT_EQ(pack.Text(), expected);
  EXPECT_EQ(pack.GetSection(1).StartOffset(), 17 + 4);
  EXPECT_EQ(pack.SectionCount(), 2);
}

TEST(PackWriter, CheckBufferNamesTheFirstFaultySection) {
  {
    TPack pack(true);
    pack.GetSection(0).SetRange(2, 1);
    pack.GetSection(0).CreateFields({"a", "b", "c"});
    EXPECT_EQ(ErrorOf([&] { pack.CheckBuffer(); }), "打包列个数错误");
  }
  {
    TPack pack(true);
    pack.GetSection(0).SetRange(2, 1);
    pack.GetSection(0).CreateFields({"a", "b"});
    pack.GetSection(0).AddRow({"1", "2", "3"});
    EXPECT_EQ(ErrorOf([&] { pack.CheckBuffer(); }), "打包值个数错误");
  }
  {
    TPack pack(true);  // no columns at all is a column fault even with nothing added
    pack.GetSection(0).SetRange(0, 0);
    EXPECT_EQ(ErrorOf([&] { pack.CheckBuffer(); }), "打包列个数错误");
  }
  {
    // Section 0 good, section 1 short of values, section 2 short of names: the values fault wins.
    TPack pack(true);
    pack.GetSection(0).SetRange(1, 1);
    pack.GetSection(0).AddField("a");
    pack.GetSection(0).AddValue(1);
    pack.GetSection(1).SetRange(1, 2);
    pack.GetSection(1).AddField("b");
    pack.GetSection(1).AddValue(1);
    pack.GetSection(2).SetRange(2, 0);
    pack.GetSection(2).AddField("c");
    EXPECT_EQ(ErrorOf([&] { pack.CheckBuffer(); }), "打包值个数错误");
  }
}

TEST(PackWriter, ResetRangeRewritesTheHeaderZeroPadded) {
  TPackEx pack(true);
  pack.SetRange(2, 0);
  pack.CreateFields({"a", "b"});
  pack.AddRow({"1", "2", "3", "4", "5", "6"});
  const int32_t size = pack.Size();
  pack.ResetRange(pack.GetSection(0).StartOffset(), 2, 3);
  pack.CheckBuffer();
  EXPECT_EQ(pack.Text().substr(0, 18), "00002\x01" "0000000003\x01" "a"s);
  EXPECT_EQ(pack.Size(), size);
  EXPECT_EQ(pack.GetSection(0).RowCount(), 3);

  // Six column digits push the row count out: 16 bytes are copied, then SOH at byte 16.
  pack.ResetRange(0, 123456, 3);
  EXPECT_EQ(pack.Text().substr(0, 18), "123456\x01" "000000000\x01" "a"s);
  EXPECT_THROW(pack.ResetRange(size - 16, 1, 1), std::out_of_range);
}

TEST(PackWriter, ClearLastSectDataKeepsHeaderAndNames) {
  TPackEx pack(true);
  pack.SetRange(1, 1);
  pack.AddField("a");
  pack.AddValue(1);
  pack.SetCurrentSection(1);
  pack.SetRange(2, 1);
  pack.CreateFields({"b", "c"});
  const int32_t before_values = pack.Size();
  pack.AddRow({"long value", "x"});
  pack.ClearLastSectData();
  EXPECT_EQ(pack.Size(), before_values);
  EXPECT_EQ(pack.GetSection(1).Length(), pack.GetSection(1).HeadLength());
  EXPECT_EQ(pack.Buffer()[before_values], '\0');
  EXPECT_EQ(std::string(pack.Buffer() + before_values, 13), std::string(13, '\0'));
  pack.AddRow({"y", "z"});
  pack.CheckBuffer();
  EXPECT_EQ(pack.Text().substr(pack.GetSection(1).StartOffset() + 17), "b\x01" "c\x01y\x01z\x01"s);
}

TEST(PackBuffer, AnItemOfExactlyTheFreeSpaceGrowsFirst) {
  TPack pack(true);
  ASSERT_EQ(pack.Capacity(), 1024);
  pack.GetSection(0).SetRange(1, 2);
  // 1006 bytes + SOH leave exactly one free byte for the NUL: no growth.
  pack.GetSection(0).AddField(std::string(1024 - 17 - 2, 'n'));
  EXPECT_EQ(pack.Capacity(), 1024);
  EXPECT_EQ(pack.Size(), 1023);
  EXPECT_EQ(pack.Buffer()[1023], '\0');
  TPack exact(true);
  exact.GetSection(0).SetRange(1, 1);
  exact.GetSection(0).AddField(std::string(1024 - 17 - 1, 'n'));  // item == Capacity - Size
  EXPECT_GT(exact.Capacity(), 1024);
  EXPECT_EQ(exact.Buffer()[exact.Size()], '\0');
}

TEST(PackBuffer, GrowthIsGeometricAndKeepsContents) {
  TPack pack(true);
  TPackSection& section = pack.GetSection(0);
  section.SetRange(1, 100000);
  section.AddField("v");
  std::set<int32_t> capacities{pack.Capacity()};
  for (int32_t i = 0; i < 100000; ++i) {
    section.AddValue(i);
    capacities.insert(pack.Capacity());
  }
  pack.CheckBuffer();
  // About 590 KB: doubling needs ~10 steps, the classic item + 1,024 step hundreds.
  EXPECT_LE(capacities.size(), 12u);
  EXPECT_EQ(pack.Text().substr(pack.Size() - 12), "99998\x01" "99999\x01"s);
  const std::string before(pack.Text());
  const int32_t capacity = pack.Capacity();
  pack.ExpandBuffer(100);
  EXPECT_EQ(pack.Capacity(), capacity + 100);
  EXPECT_EQ(pack.Text(), before);
}

TEST(PackBuffer, AssignDataAndReset) {
  TPack pack(true);
  const std::string big(3000, 'q');
  pack.AssignData(big.data(), static_cast<int32_t>(big.size()));
  EXPECT_EQ(pack.Capacity(), 3000 + 1024);
  EXPECT_EQ(pack.Text(), big);
  pack.AssignData("abc", 3);
  EXPECT_EQ(pack.Capacity(), 3000 + 1024);
  EXPECT_EQ(std::string(pack.Buffer()), "abc");
  pack.Reset(6);
  EXPECT_EQ(pack.SectionCount(), 6);
  EXPECT_GE(pack.SectionCapacity(), 6);
  EXPECT_EQ(pack.Size(), 0);
}

TEST(PackBuffer, CallersBufferIsUsedThenLeftUntouchedWhenTooSmall) {
  char memory[96];
  std::memset(memory, '#', sizeof memory);
  TPack pack(false);
  EXPECT_EQ(pack.Buffer(), nullptr);
  pack.SetExtBuffer(memory, 64);
  pack.GetSection(0).SetRange(1, 2);
  pack.GetSection(0).AddField("a");
  EXPECT_EQ(pack.Buffer(), memory);
  EXPECT_FALSE(pack.OwnsBuffer());
  pack.GetSection(0).AddValue(std::string(60, 'v'));
  pack.GetSection(0).AddValue("w");
  EXPECT_NE(pack.Buffer(), memory);
  EXPECT_TRUE(pack.OwnsBuffer());
  pack.CheckBuffer();
  EXPECT_EQ(pack.Text(), "    1\x01         2\x01" "a\x01"s + std::string(60, 'v') + "\x01w\x01");
  // Nothing was written past the 64 bytes the caller lent.
  EXPECT_EQ(std::string(memory + 64, 32), std::string(32, '#'));
}

TEST(PackBuffer, GetSectionCreatesSectionsOnDemand) {
  TPack pack(true);
  EXPECT_EQ(pack.SectionCapacity(), 4);
  for (int32_t i = 0; i < 6; ++i) {
    pack.GetSection(i).SetRange(1, 0);
    pack.GetSection(i).AddField("c" + std::to_string(i));
  }
  pack.CheckBuffer();
  EXPECT_EQ(pack.SectionCount(), 6);
  EXPECT_EQ(pack.GetSection(5).Pack(), &pack);
  EXPECT_THROW(pack.GetSection(-1), std::out_of_range);
}

}  // namespace
}  // namespace ruzi
