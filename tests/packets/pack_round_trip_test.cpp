// Random tables written with the writer come back equal from the reader, and the writer's
// bytes equal an independent serialisation (printf headers, plain concatenation).
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "packets/pack_ex.h"
#include "packets/unpack_ex.h"

namespace ruzi {
namespace {

struct Table {
  std::vector<std::string> names;
  std::vector<std::vector<std::string>> rows;
};

// Any bytes but SOH and NUL, double-byte characters included.
std::string RandomText(std::mt19937& random, size_t max_length) {
  std::string text(random() % (max_length + 1), ' ');
  for (char& c : text) c = static_cast<char>(2 + random() % 254);
  return text;
}

std::vector<Table> RandomTables(std::mt19937& random) {
  std::vector<Table> tables(1 + random() % 4);
  for (Table& table : tables) {
    const size_t cols = 1 + random() % 6;
    for (size_t c = 0; c < cols; ++c) table.names.push_back("n" + std::to_string(c) + RandomText(random, 4));
    table.rows.resize(random() % 9);
    for (auto& row : table.rows)
      for (size_t c = 0; c < cols; ++c) row.push_back(RandomText(random, 40));
  }
  return tables;
}

std::string Serialise(const std::vector<Table>& tables) {
  std::string text;
  for (const Table& table : tables) {
    char header[32];
    std::snprintf(header, sizeof header, "%5d\x01%10d\x01", static_cast<int>(table.names.size()),
                  static_cast<int>(table.rows.size()));
    text += header;
    for (const std::string& name : table.names) text += name + "\x01";
    for (const auto& row : table.rows)
      for (const std::string& value : row) text += value + "\x01";
  }
  return text;
}

TEST(PackRoundTrip, RandomTablesComeBackEqual) {
  std::mt19937 random(20240229);
  for (int round = 0; round < 300; ++round) {
    const std::vector<Table> tables = RandomTables(random);
    TPackEx pack(true);
    for (size_t s = 0; s < tables.size(); ++s) {
      pack.SetCurrentSection(static_cast<int32_t>(s));
      pack.SetRange(static_cast<int32_t>(tables[s].names.size()), static_cast<int32_t>(tables[s].rows.size()));
      pack.CreateFields(tables[s].names);
      for (const auto& row : tables[s].rows) pack.AddRow(row);
    }
    pack.CheckBuffer();
    ASSERT_EQ(pack.Text(), Serialise(tables)) << "round " << round;
    ASSERT_EQ(pack.Buffer()[pack.Size()], '\0');

    // Read an exact-size copy so any overrun shows under ASan.
    std::vector<char> bytes(pack.Text().begin(), pack.Text().end());
    TUnPackEx reader(round % 2 == 0);
    reader.Open(bytes.data(), static_cast<int32_t>(bytes.size()));
    ASSERT_EQ(reader.SectionCount(), static_cast<int32_t>(tables.size()));
    for (size_t s = 0; s < tables.size(); ++s) {
      const Table& table = tables[s];
      reader.SetCurrentSection(static_cast<int32_t>(s));
      ASSERT_EQ(reader.GetFieldCount(), static_cast<int32_t>(table.names.size()));
      ASSERT_EQ(reader.GetRecordCount(), static_cast<int32_t>(table.rows.size()));
      for (size_t c = 0; c < table.names.size(); ++c) {
        ASSERT_EQ(reader.GetFieldName(static_cast<int32_t>(c)), table.names[c]);
      }
      size_t row = 0;
      for (reader.First(); !reader.GetEof(); reader.Next(), ++row) {
        ASSERT_LT(row, table.rows.size());
        ASSERT_EQ(reader.GetRecNo(), static_cast<int32_t>(row + 1));
        for (size_t c = 0; c < table.names.size(); ++c) {
          ASSERT_EQ(reader.GetField(static_cast<int32_t>(c)).GetAsString(), table.rows[row][c]);
          ASSERT_EQ(reader.FieldByName(table.names[c]).GetAsString(), table.rows[row][c]);
        }
      }
      ASSERT_EQ(row, table.rows.size()) << "round " << round << " section " << s;
      // Backwards as well, ending at Bof on the first row.
      if (table.rows.empty()) continue;
      reader.Last();
      for (size_t r = table.rows.size(); r-- > 0;) {
        ASSERT_FALSE(reader.GetBof());
        ASSERT_EQ(reader.GetField(0).GetAsString(), table.rows[r][0]);
        reader.Prior();
      }
      ASSERT_TRUE(reader.GetBof());
      ASSERT_EQ(reader.GetRecNo(), 1);
    }
  }
}

}  // namespace
}  // namespace ruzi
