// Random tables written with the writer come back equal from the reader, in place or from its
// own copy, whatever way its cursor walks, and the writer's bytes equal an independent serialisation (printf headers, plain
// concatenation).
#include <gtest/gtest.h>

#include <algorithm>
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

// The cursor rules restated in rows (rather than item indexes).
struct CursorModel {
  int rows, record = 1;
  bool eof = false, bof = false;
  void First() { rows == 0 ? void(eof = bof = true) : void((record = 1, eof = bof = false)); }
  void Last() { rows == 0 ? void(eof = bof = true) : void((record = rows, eof = bof = false)); }
  void MoveBy(long long n) {
    if (n == 0) return;
    if (n > 0 && record + n > rows) Last(), eof = true;
    else if (n < 0 && record + n < 1) First(), bof = true;
    else record += static_cast<int>(n), eof = bof = false;
  }
  void Next() { record + 1 > rows ? void(eof = true) : void((++record, eof = bof = false)); }
  void Prior() { record - 1 < 1 ? void(bof = true) : void((--record, eof = bof = false)); }
};

// Each section read back is walked at random (extreme distances among the moves) against the
// row model, its cells read by number and by name wherever the cursor stands.
TEST(PackRoundTrip, RandomTablesComeBackEqualUnderRandomWalks) {
  std::mt19937 random(20240229);
  const int extremes[] = {-2147483647 - 1, 2147483647};
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
    // In place, each SOH becomes the NUL ending its item; a reader of its own copy leaves the bytes.
    std::string parsed(pack.Text());
    if (round % 2 == 1) std::replace(parsed.begin(), parsed.end(), '\x01', '\0');
    ASSERT_EQ(std::string(bytes.begin(), bytes.end()), parsed);
    for (size_t s = 0; s < tables.size(); ++s) {
      const Table& table = tables[s];
      const int rows = static_cast<int>(table.rows.size()), cols = static_cast<int>(table.names.size());
      reader.SetCurrentSection(static_cast<int32_t>(s));
      ASSERT_EQ(reader.GetFieldCount(), cols);
      ASSERT_EQ(reader.GetRecordCount(), rows);
      for (int c = 0; c < cols; ++c) ASSERT_EQ(reader.GetFieldName(c), table.names[static_cast<size_t>(c)]);
      CursorModel model{rows};
      model.First();
      for (int step = 0; step < 60; ++step) {
        const int op = static_cast<int>(random() % 7);
        const int n = random() % 10 == 0 ? extremes[random() % 2] : static_cast<int>(random() % 17) - 8;
        switch (op) {
          case 0: reader.First(); model.First(); break;
          case 1: reader.Last(); model.Last(); break;
          case 2: reader.Next(); model.Next(); break;
          case 3: reader.Prior(); model.Prior(); break;
          case 4: ASSERT_EQ(reader.MoveBy(n), (model.MoveBy(n), rows ? model.record : 1)); break;
          case 5: reader.SetRecNo(n); model.MoveBy(int64_t{n} - model.record); break;
          default: break;
        }
        const std::string where = "round " + std::to_string(round) + " section " + std::to_string(s) + " step " + std::to_string(step);
        ASSERT_EQ(reader.GetEof(), model.eof) << where << " op " << op;
        ASSERT_EQ(reader.GetBof(), model.bof) << where << " op " << op;
        const size_t c = random() % static_cast<size_t>(cols);
        const std::string expected = rows == 0 ? "" : table.rows[static_cast<size_t>(model.record - 1)][c];
        ASSERT_EQ(reader.GetField(static_cast<int32_t>(c)).GetAsString(), expected) << where;
        if (rows == 0) continue;
        ASSERT_EQ(reader.GetRecNo(), model.record) << where;
        ASSERT_EQ(reader.FieldByName(table.names[c]).GetAsString(), expected) << where;
      }
    }
  }
}

}  // namespace
}  // namespace ruzi
