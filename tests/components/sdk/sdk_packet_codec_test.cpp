// The SDK packet codec: random tables round-trip in both versions and every cut or lengthened
// packet is refused, the counts are current after every row, whole packets have exactly their
// known bytes (a part row completed), conversions agree between writer and reader as the known
// answers say; ruzi-mwd's function 9101 answers an SDK packet's rows in the version sent.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <sstream>

#include "error_numbers.h"
#include "foundation/error.h"
#include "mwd_process.h"
#include "sdk_packet_hex.h"
#include "vector_file.h"
#include "packets/sdk_packet/sdk_packet_copy.h"
#include "packets/sdk_packet/sdk_packet_layout.h"
#include "packets/sdk_packet/sdk_packet_reader.h"
#include "packets/sdk_packet/sdk_packet_writer.h"
#include "packets/sdk_packet/sdk_value_text.h"

namespace ruzi::testing {
namespace {

using sdk::PacketReader;
using sdk::PacketWriter;

// A table kept as a plain model, written through the codec and compared with what the reader
// gives back.
struct ModelField {
  std::string name;
  char type = 'S';
  int32_t width = 0;
  int32_t scale = 0;
};

struct ModelValue {
  int32_t number = 0;   // 'I'
  double real = 0;      // 'F'
  char letter = 0;      // 'C'
  std::string bytes;    // 'S' (no NUL), 'R' (any byte)
};

struct TableModel {
  int version = 2;
  int32_t return_code = 0;
  std::vector<ModelField> fields;
  std::vector<std::vector<ModelValue>> rows;
};

// Equal values, or both NaN of the same sign (text keeps no NaN payload).
bool SameDouble(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b);
  return std::memcmp(&a, &b, sizeof a) == 0;
}

std::string RandomBytes(std::mt19937& random, bool allow_nul) {
  std::uniform_int_distribution<int> length(0, random() % 10 == 0 ? 300 : 24);
  std::uniform_int_distribution<int> byte(allow_nul ? 0 : 1, 255);
  std::string bytes(static_cast<size_t>(length(random)), '\0');
  for (char& c : bytes) c = static_cast<char>(byte(random));
  return bytes;
}

double RandomDouble(std::mt19937& random) {
  static const double kSpecial[] = {0.0, -0.0, 1.5, -2.25, 1e308, 5e-324, std::numeric_limits<double>::infinity(),
                                    -std::numeric_limits<double>::infinity(), std::nan(""), 0.1, 123456.789};
  if (random() % 3 == 0) return kSpecial[random() % std::size(kSpecial)];
  uint64_t bits = (static_cast<uint64_t>(random()) << 32) | random();
  double value;
  std::memcpy(&value, &bits, sizeof value);
  return value;
}

int32_t RandomInt(std::mt19937& random) {
  static const int32_t kSpecial[] = {0, -1, 1, std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()};
  if (random() % 4 == 0) return kSpecial[random() % std::size(kSpecial)];
  return static_cast<int32_t>(random());
}

TableModel RandomTable(std::mt19937& random, int version, size_t max_rows) {
  TableModel table;
  table.version = version;
  table.return_code = RandomInt(random);
  const std::string types = version == 1 ? "IFCS" : "IFCSR";
  const size_t field_count = random() % 7;
  for (size_t i = 0; i < field_count; ++i) {
    ModelField field;
    field.name = "f" + std::to_string(i) + "_";
    for (size_t letters = random() % 12; letters > 0; --letters) field.name += static_cast<char>('a' + random() % 26);
    field.type = types[random() % types.size()];
    field.width = version == 1 ? static_cast<int32_t>(random() % 65536) : static_cast<int32_t>(random() & 0x7FFFFFFF);
    field.scale = version == 1 ? static_cast<int32_t>(random() % 256) : static_cast<int32_t>(random() % 1000);
    table.fields.push_back(field);
  }
  const size_t rows = field_count == 0 ? 0 : random() % (max_rows + 1);
  for (size_t r = 0; r < rows; ++r) {
    std::vector<ModelValue>& row = table.rows.emplace_back();
    for (const ModelField& field : table.fields) {
      // A braced list draws in its order: number, real, letter, bytes.
      row.push_back({RandomInt(random), RandomDouble(random), static_cast<char>(random()), RandomBytes(random, field.type == 'R')});
    }
  }
  return table;
}

// The table's packet, written value by value; a reader of the packet so far sees every whole
// row (the counts are current), and Finish completes a row short of values.
std::string Written(const TableModel& table) {
  PacketWriter writer(table.version);
  writer.Start();
  for (const ModelField& field : table.fields) EXPECT_TRUE(writer.DefineField(field.name, field.type, field.width, field.scale)) << writer.LastError();
  for (size_t r = 0; r < table.rows.size(); ++r) {
    for (size_t c = 0; c < table.rows[r].size(); ++c) {
      const ModelValue& value = table.rows[r][c];
      const char type = table.fields[c].type;
      EXPECT_TRUE(type == 'I'   ? writer.PutInt(value.number)
                  : type == 'F' ? writer.PutDouble(value.real)
                  : type == 'C' ? writer.PutChar(value.letter)
                  : type == 'S' ? writer.PutText(value.bytes)
                                : writer.PutRaw(value.bytes.data(), value.bytes.size()));
    }
    if (table.rows[r].size() < table.fields.size()) continue;
    PacketReader so_far;
    so_far.Open(writer.Data(), writer.Size());
    EXPECT_EQ(so_far.RowCount(), r + 1);
  }
  writer.SetReturnCode(table.return_code);
  writer.Finish();
  return std::string(writer.Data(), writer.Size());
}

void ExpectSameTable(const TableModel& table, const sdk::PacketReader& reader, const std::string& where) {
  SCOPED_TRACE(where);
  ASSERT_EQ(reader.Version(), table.version);
  EXPECT_EQ(reader.ReturnCode(), table.return_code);
  ASSERT_EQ(reader.FieldCount(), table.fields.size());
  ASSERT_EQ(reader.RowCount(), table.rows.size());
  for (size_t c = 0; c < table.fields.size(); ++c) {
    EXPECT_STREQ(reader.Field(c).name, table.fields[c].name.c_str());
    EXPECT_EQ(reader.Field(c).type, table.fields[c].type);
    EXPECT_EQ(reader.Field(c).width, table.fields[c].width);
    EXPECT_EQ(reader.Field(c).scale, table.fields[c].scale);
  }
  for (size_t r = 0; r < table.rows.size(); ++r) {
    for (size_t c = 0; c < table.fields.size(); ++c) {
      const ModelValue& value = table.rows[r][c];
      switch (table.fields[c].type) {
        case 'I': EXPECT_EQ(reader.Int(r, c), value.number) << r << "," << c; break;
        case 'F': EXPECT_TRUE(SameDouble(reader.Double(r, c), value.real)) << reader.Double(r, c) << " vs " << value.real; break;
        case 'C': EXPECT_EQ(reader.Char(r, c), value.letter) << r << "," << c; break;
        case 'S':
          EXPECT_EQ(reader.Bytes(r, c), value.bytes) << r << "," << c;
          EXPECT_STREQ(reader.TextInPlace(r, c), value.bytes.c_str());
          break;
        default: EXPECT_EQ(reader.Bytes(r, c), value.bytes) << r << "," << c; break;
      }
    }
  }
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
  auto packet = [](const std::vector<std::string>& a) {
    TableModel table{std::stoi(a[0]), std::stoi(a[1]), {}, {}};
    std::string defined = a[2];
    std::replace(defined.begin(), defined.end(), ':', ' ');
    std::istringstream fields(defined);
    for (ModelField field; fields >> field.name >> field.type >> field.width >> field.scale;) table.fields.push_back(field);
    std::istringstream rows(a[3]);
    for (std::string row; std::getline(rows, row, ';');) {
      std::istringstream values(row + "|");  // a row short of values is left to Finish
      std::vector<ModelValue>& cells = table.rows.emplace_back();
      for (const ModelField& field : table.fields) {
        std::string value;
        if (!std::getline(values, value, '|')) break;
        cells.push_back({field.type == 'I' ? std::stoi(value) : 0, field.type == 'F' ? std::stod(value) : 0,
                         value.empty() ? '\0' : value[0], value});
      }
    }
    const std::string bytes = Written(table);
    return HexOf(bytes.data(), bytes.size());
  };
  CheckAnswers("sdk_packet_values.txt",
               {{"cell", cell},
                {"packet", packet},
                {"define", define},
                {"to_int", [](const auto& a) { return std::to_string(sdk::TextToInt(a[0])); }},
                {"to_double", [](const auto& a) { return Num(sdk::TextToDouble(a[0])); }}});
  PacketWriter writer(2);
  writer.Start();
  EXPECT_FALSE(writer.PutText("x")) << "no fields yet";
  ASSERT_TRUE(writer.DefineField("a", 'I', 4, 0));
  ASSERT_TRUE(writer.PutInt(1));
  EXPECT_FALSE(writer.DefineField("late", 'S', 1, 0)) << "definitions come before values";
}

// The server copies the rows as the round trip above proves the copy.
TEST(SdkDemoFunction, RowsComeBackInTheVersionSentAndANonPacketFailsWithTheReadersMessage) {
  MwdProcess server("sdk-demo");
  auto client = SignedOnClient(server.Port(), "sdk");
  auto call = [&](const std::string& data) {
    mw::CallRequest request{};
    request.kind = mw::CallKind::ByFunction;
    request.number = 9101;
    request.data = data;
    EXPECT_TRUE(client.Send(request, 5));
    auto answer = client.Receive(5000);
    EXPECT_TRUE(answer.has_value());
    return answer.value_or(mw::Message{});
  };
  std::mt19937 random(11);
  for (int round = 0; round < 40; ++round) {
    TableModel table = RandomTable(random, 1 + round % 2, 20);
    auto answer = call(Written(table));
    const auto* reply = std::get_if<mw::CallReply>(&answer);
    ASSERT_NE(reply, nullptr);
    EXPECT_EQ(reply->message, "功能号9101处理成功");
    table.return_code = static_cast<int32_t>(table.rows.size());  // the server's row count
    EXPECT_EQ(reply->data, Written(table)) << "round " << round;
  }
  auto answer = call("this text is not an SDK packet");
  const auto* error = std::get_if<mw::ErrorReply>(&answer);
  ASSERT_NE(error, nullptr);
  EXPECT_EQ(error->error_number, mw::kMwServiceFail);
  EXPECT_EQ(error->text, "功能号9101处理失败: 数据包格式不正确: 版本不正确");
}

}  // namespace
}  // namespace ruzi::testing
