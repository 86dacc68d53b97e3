// The SDK packet codec on its own: random tables round-trip in both versions and every cut or
// lengthened packet is refused, whole packets have exactly their known bytes, the counts are
// current after every row, conversions agree between writer and reader as the known answers say.
#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <sstream>

#include "foundation/error.h"
#include "random_table.h"
#include "sdk_packet_hex.h"
#include "vector_file.h"
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

TEST(SdkPacketCodec, RandomTablesRoundTripInBothVersionsAndCutPacketsAreRefused) {
  std::mt19937 random(20261206);
  for (int round = 0; round < 400; ++round) {
    for (int version : {1, 2}) {
      TableModel table = RandomTable(random, version, 40);
      std::string bytes = Written(table);
      const std::string where = "round " + std::to_string(round) + " v" + std::to_string(version);
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
      // Every shorter packet of a small table, each in a buffer of its own size, and one a
      // byte longer, refused (damaged bytes are the fuzz target's).
      exact.push_back('\0');
      for (size_t size = bytes.size() > 600 ? bytes.size() + 1 : 0; size <= bytes.size() + 1; ++size) {
        if (size == bytes.size()) continue;
        const std::vector<char> part(exact.begin(), exact.begin() + static_cast<std::ptrdiff_t>(size));
        PacketReader cut;
        EXPECT_THROW(cut.Open(part.data(), part.size()), Error) << where << ": " << size << " of " << bytes.size();
        EXPECT_EQ(cut.RowCount(), 0u);
      }
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

// One field of a type, one value put as another (or refused), read back every way; field
// definitions the layout cannot hold; the texts of numbers; whole packets, byte for byte.
TEST(SdkPacketCodec, ValuesAndDefinitionsAgreeWithTheKnownAnswers) {
  auto cell = [](const std::vector<std::string>& a) -> std::string {
    PacketWriter writer(std::stoi(a[0]));
    writer.Start();
    if (!writer.DefineField("v", a[1][0], 20, 2)) return "refused field";
    const std::string& value = a[3];
    const bool put = a[2] == "text"   ? writer.PutText(value)
                     : a[2] == "int"  ? writer.PutInt(std::stoi(value))
                     : a[2] == "real" ? writer.PutDouble(std::stod(value))
                     : a[2] == "raw"  ? writer.PutRaw(value.data(), value.size())
                                      : writer.PutChar(value[0]);
    if (!put) return "refused value";
    writer.Finish();
    PacketReader reader;
    reader.Open(writer.Data(), writer.Size());
    return std::to_string(reader.Int(0, 0)) + "|" + Num(reader.Double(0, 0)) + "|" +
           sdk::CharText(reader.Char(0, 0)) + "|" + reader.Text(0, 0);
  };
  auto define = [](const std::vector<std::string>& a) -> std::string {
    PacketWriter writer(std::stoi(a[0]));
    writer.Start();
    const std::string name(std::stoul(a[1]), 'n');
    return writer.DefineField(name, a[2][0], std::stoi(a[3]), std::stoi(a[4])) ? "ok" : "refused";
  };
  // Fields "name:type:width:scale" apart by spaces; rows apart by ';', their values by '|'.
  auto packet = [](const std::vector<std::string>& a) -> std::string {
    PacketWriter writer(std::stoi(a[0]));
    writer.Start();
    std::istringstream fields(a[2]);
    std::vector<char> types;
    for (std::string field; fields >> field;) {
      std::istringstream parts(field);
      std::string name, type, width, scale;
      std::getline(std::getline(std::getline(std::getline(parts, name, ':'), type, ':'), width, ':'), scale);
      if (!writer.DefineField(name, type[0], std::stoi(width), std::stoi(scale))) return "refused field";
      types.push_back(type[0]);
    }
    std::istringstream rows(a[3]);
    for (std::string row; std::getline(rows, row, ';');) {
      std::istringstream values(row);
      std::string value;
      for (char type : types) {
        std::getline(values, value, '|');
        const bool put = type == 'I'   ? writer.PutInt(std::stoi(value))
                         : type == 'F' ? writer.PutDouble(std::stod(value))
                         : type == 'C' ? writer.PutChar(value.empty() ? '\0' : value[0])
                         : type == 'S' ? writer.PutText(value)
                                       : writer.PutRaw(value.data(), value.size());
        if (!put) return "refused value";
      }
    }
    writer.SetReturnCode(std::stoi(a[1]));
    writer.Finish();
    return HexOf(writer.Data(), writer.Size());
  };
  CheckAnswers("sdk_packet_values.txt",
               {{"cell", cell},
                {"packet", packet},
                {"define", define},
                {"to_int", [](const auto& a) { return std::to_string(sdk::TextToInt(a[0])); }},
                {"to_double", [](const auto& a) { return Num(sdk::TextToDouble(a[0])); }}});
  PacketWriter empty(2);
  empty.Start();
  EXPECT_FALSE(empty.PutText("x")) << "no fields yet";
}

}  // namespace
}  // namespace ruzi::testing
