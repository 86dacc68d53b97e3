// The SDK packet codec on its own: random tables round-trip in both versions with the exact
// byte count of the layout, the counts are current after every row, conversions agree
// between writer and reader, and every cut or lengthened packet is refused (damaged bytes are
// the fuzz target's).
#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "foundation/error.h"
#include "random_table.h"
#include "packets/sdk_packet/sdk_packet_copy.h"
#include "packets/sdk_packet/sdk_packet_layout.h"
#include "packets/sdk_packet/sdk_value_text.h"

namespace ruzi::testing {
namespace {

using sdk::PacketReader;
using sdk::PacketWriter;

std::string Written(const TableModel& table) {
  PacketWriter writer(table.version);
  WriteTable(table, writer);
  return std::string(writer.Data(), writer.Size());
}

TEST(SdkPacketCodec, RandomTablesRoundTripInBothVersionsWithTheLayoutsByteCount) {
  std::mt19937 random(20261206);
  for (int round = 0; round < 400; ++round) {
    for (int version : {1, 2}) {
      TableModel table = RandomTable(random, version, 40);
      std::string bytes = Written(table);
      const std::string where = "round " + std::to_string(round) + " v" + std::to_string(version);
      ASSERT_EQ(bytes.size(), ExpectedPacketSize(table)) << where;
      EXPECT_EQ(sdk::PacketVersionOf(bytes.data()), version);
      bytes[0] = 3;
      EXPECT_EQ(sdk::PacketVersionOf(bytes.data()), 0);
      bytes[0] = static_cast<char>(version);
      std::vector<char> exact(bytes.begin(), bytes.end());  // no slack after the last byte
      PacketReader reader;
      reader.Open(exact.data(), exact.size());
      ExpectSameTable(table, reader, where);

      // Written again from what was read: the same bytes.
      PacketWriter again(version);
      again.Start();
      sdk::CopyPacket(reader, again);
      EXPECT_EQ(std::string(again.Data(), again.Size()), bytes) << where;
    }
  }
}

TEST(SdkPacketCodec, CountsAreCurrentAfterEveryRowAndFinishCompletesAPartRow) {
  std::mt19937 random(7);
  for (int version : {1, 2}) {
    PacketWriter writer(version);
    writer.Start();
    ASSERT_TRUE(writer.DefineField("a", 'I', 4, 0));
    ASSERT_TRUE(writer.DefineField("b", 'S', 8, 0));
    for (int row = 0; row < 20; ++row) {
      writer.PutInt(row);
      writer.PutText("r" + std::to_string(row));
      PacketReader reader;
      reader.Open(writer.Data(), writer.Size());
      ASSERT_EQ(reader.RowCount(), static_cast<size_t>(row + 1));
      EXPECT_EQ(reader.Int(static_cast<size_t>(row), 0), row);
    }
    writer.PutInt(99);  // a row begun, then finished
    EXPECT_FALSE(writer.DefineField("late", 'S', 1, 0)) << "definitions come before values";
    writer.Finish();
    PacketReader reader;
    reader.Open(writer.Data(), writer.Size());
    ASSERT_EQ(reader.RowCount(), 21u);
    EXPECT_EQ(reader.Int(20, 0), 99);
    EXPECT_EQ(reader.Text(20, 1), "");
  }
}

TEST(SdkPacketCodec, ValuesOfAnotherTypeGoThroughTheirTextTheSameWayBothDirections) {
  for (int version : {1, 2}) {
    SCOPED_TRACE(version);
    PacketWriter writer(version);
    writer.Start();
    writer.DefineField("i", 'I', 10, 0);
    writer.DefineField("f", 'F', 12, 2);
    writer.DefineField("c", 'C', 1, 0);
    writer.DefineField("s", 'S', 20, 0);
    writer.PutText(" 12.9 ");
    writer.PutInt(-3);
    writer.PutInt(5);
    writer.PutDouble(0.1);
    writer.PutText("1e10");  // past the 32-bit range: held to its end
    writer.PutText("abc");   // not a number: 0
    writer.PutText("xyz");   // the first character
    writer.PutChar('Q');
    writer.Finish();
    PacketReader reader;
    reader.Open(writer.Data(), writer.Size());
    EXPECT_EQ(reader.Int(0, 0), 12);
    EXPECT_EQ(reader.Double(0, 1), -3.0);
    EXPECT_EQ(reader.Char(0, 2), '5');
    EXPECT_EQ(reader.Text(0, 3), "0.1");
    EXPECT_EQ(reader.Double(0, 3), 0.1);
    EXPECT_EQ(reader.Int(1, 0), 2147483647);
    EXPECT_EQ(reader.Double(1, 1), 0.0);
    EXPECT_EQ(reader.Char(1, 2), 'x');
    EXPECT_EQ(reader.Text(1, 3), "Q");
    EXPECT_EQ(reader.Text(0, 0), "12");
    EXPECT_EQ(reader.Int(1, 3), 0);
  }
  EXPECT_EQ(sdk::TextToInt("-2147483648"), INT32_MIN);
  EXPECT_EQ(sdk::TextToInt("-1e300"), INT32_MIN);
  EXPECT_EQ(sdk::TextToInt("-7.9"), -7);
  EXPECT_EQ(sdk::TextToInt("nan"), 0);
  EXPECT_EQ(sdk::TextToDouble("+2.5"), 2.5);
}

TEST(SdkPacketCodec, WriterRefusesWhatTheLayoutCannotHold) {
  PacketWriter v1(1);
  v1.Start();
  EXPECT_FALSE(v1.DefineField("raw", 'R', 1, 0)) << "no raw fields in version 1";
  EXPECT_FALSE(v1.DefineField("wide", 'S', 65536, 0));
  EXPECT_FALSE(v1.DefineField("", 'S', 1, 0));
  EXPECT_FALSE(v1.DefineField(std::string(256, 'n'), 'S', 1, 0));
  EXPECT_FALSE(v1.PutText("x")) << "no fields yet";
  ASSERT_TRUE(v1.DefineField(std::string(255, 'n'), 'S', 65535, 255));
  EXPECT_FALSE(v1.PutText(std::string("a\0b", 3))) << "version 1 texts end at NUL";
  PacketWriter v2(2);
  v2.Start();
  EXPECT_TRUE(v2.DefineField("raw", 'R', 1, 0));
  EXPECT_TRUE(v2.PutRaw("a\0b", 3));
  EXPECT_FALSE(v2.DefineField("neg", 'S', -1, 0));
  v2.Release();
  EXPECT_EQ(v2.Data(), nullptr);
  EXPECT_EQ(v2.Size(), 0u);
}

TEST(SdkPacketCodec, EveryShortenedOrLengthenedPacketIsRefused) {
  std::mt19937 random(99);
  for (int round = 0; round < 30; ++round) {
    for (int version : {1, 2}) {
      std::string bytes = Written(RandomTable(random, version, 5));
      for (size_t size = 0; size < bytes.size(); ++size) {
        std::vector<char> cut(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
        PacketReader reader;
        EXPECT_THROW(reader.Open(cut.data(), cut.size()), Error) << size << " of " << bytes.size();
        EXPECT_EQ(reader.RowCount(), 0u);
      }
      std::vector<char> longer(bytes.begin(), bytes.end());
      longer.push_back('\0');
      PacketReader reader;
      EXPECT_THROW(reader.Open(longer.data(), longer.size()), Error);
    }
  }
}

TEST(SdkPacketCodec, TheDocumentedExampleHasExactlyItsBytes) {
  PacketWriter writer(2);
  writer.Start();
  writer.DefineField("port", 'S', 255, 4);
  writer.PutText("9001");
  writer.Finish();
  const unsigned char expected[] = {0x02, 'Z', 'P', 0, 0, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0,
                                    4, 'p', 'o', 'r', 't', 0, 'S', 0xFF, 0, 0, 0, 4, 0, 0, 0,
                                    4, 0, 0, 0, '9', '0', '0', '1', 0};
  ASSERT_EQ(writer.Size(), sizeof expected);
  EXPECT_EQ(std::memcmp(writer.Data(), expected, sizeof expected), 0);
}

}  // namespace
}  // namespace ruzi::testing
