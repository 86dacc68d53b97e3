#include "random_table.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace ruzi::testing {
namespace {

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

}  // namespace

bool SameDouble(double a, double b) {
  if (std::isnan(a) || std::isnan(b)) return std::isnan(a) && std::isnan(b) && std::signbit(a) == std::signbit(b);
  return std::memcmp(&a, &b, sizeof a) == 0;
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
    std::vector<ModelValue> row;
    for (const ModelField& field : table.fields) {
      ModelValue value;
      value.number = RandomInt(random);
      value.real = RandomDouble(random);
      value.letter = static_cast<char>(random());
      value.bytes = RandomBytes(random, field.type == 'R');
      row.push_back(value);
    }
    table.rows.push_back(row);
  }
  return table;
}

void WriteTable(const TableModel& table, sdk::PacketWriter& writer) {
  writer.Start();
  for (const ModelField& field : table.fields) ASSERT_TRUE(writer.DefineField(field.name, field.type, field.width, field.scale)) << writer.LastError();
  for (const auto& row : table.rows) {
    for (size_t c = 0; c < table.fields.size(); ++c) {
      const ModelValue& value = row[c];
      switch (table.fields[c].type) {
        case 'I': ASSERT_TRUE(writer.PutInt(value.number)); break;
        case 'F': ASSERT_TRUE(writer.PutDouble(value.real)); break;
        case 'C': ASSERT_TRUE(writer.PutChar(value.letter)); break;
        case 'S': ASSERT_TRUE(writer.PutText(value.bytes)); break;
        default: ASSERT_TRUE(writer.PutRaw(value.bytes.data(), value.bytes.size())); break;
      }
    }
  }
  writer.SetReturnCode(table.return_code);
  writer.Finish();
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

}  // namespace ruzi::testing
