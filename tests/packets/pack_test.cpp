// The section packet writer: value forms, count checks, header rewrite, buffer growth. Plain
// tables are covered byte for byte by the round trip.
#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>
#include <string>

#include "packets/pack.h"
#include "packets/pack_ex.h"

namespace ruzi {
namespace {

using namespace std::string_literals;

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
  EXPECT_EQ(pack.Text().substr(17 + 2), "\x01x\x01" "1\x01" "0\x01" "3.14\x01-42\x01-2147483648\x01\x01"s);
  EXPECT_EQ(section.ValuesAdded(), 8);
  EXPECT_EQ(section.HeadLength(), 17 + 2);
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
  EXPECT_EQ(std::string(pack.Buffer() + before_values, 13), std::string(13, '\0'));
  pack.AddRow({"y", "z"});
  pack.CheckBuffer();
  EXPECT_EQ(pack.Text().substr(pack.GetSection(1).StartOffset() + 17), "b\x01" "c\x01y\x01z\x01"s);
}

TEST(PackBuffer, TheTrailingNulAlwaysFitsAndGrowthIsGeometric) {
  for (const int free_after : {1, 0}) {  // an item of exactly the free space grows first
    TPack pack(true);
    ASSERT_EQ(pack.Capacity(), 1024);
    pack.GetSection(0).SetRange(1, 1);
    pack.GetSection(0).AddField(std::string(static_cast<size_t>(1024 - 17 - 1 - free_after), 'n'));
    EXPECT_EQ(pack.Capacity() == 1024, free_after == 1);
    EXPECT_EQ(pack.Buffer()[pack.Size()], '\0');
  }
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
  EXPECT_LE(capacities.size(), 12u);  // ~590 KB: doubling takes ~10 steps, +1,024 hundreds
  EXPECT_EQ(pack.Text().substr(pack.Size() - 12), "99998\x01" "99999\x01"s);
  const std::string before(pack.Text());
  const int32_t capacity = pack.Capacity();
  pack.ExpandBuffer(100);
  EXPECT_EQ(pack.Capacity(), capacity + 100);
  EXPECT_EQ(pack.Text(), before);
}

TEST(PackBuffer, AssignDataResetAndSectionsOnDemand) {
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
  EXPECT_EQ(pack.Size(), 0);
  EXPECT_EQ(pack.GetSection(7).Pack(), &pack);
  EXPECT_GE(pack.SectionCapacity(), 8);
  EXPECT_THROW(pack.GetSection(-1), std::out_of_range);
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
  pack.GetSection(0).AddValue(std::string(60, 'v'));
  pack.GetSection(0).AddValue("w");
  EXPECT_NE(pack.Buffer(), memory);
  EXPECT_TRUE(pack.OwnsBuffer());
  pack.CheckBuffer();
  EXPECT_EQ(pack.Text(), "    1\x01         2\x01" "a\x01"s + std::string(60, 'v') + "\x01w\x01");
  EXPECT_EQ(std::string(memory + 64, 32), std::string(32, '#'));  // nothing past the lent 64 bytes
}

}  // namespace
}  // namespace ruzi
