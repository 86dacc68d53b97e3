// The section packet reader: structure errors (and the writer's count checks),
// name lookups and field conversions (the round trip's tables show its
// in-place parse and walk its cursor).
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <vector>

#include "error_text.h"
#include "packets/pack.h"
#include "packets/unpack.h"
#include "vector_file.h"

namespace ruzi {
namespace {

using namespace std::string_literals;
using testing::ErrorOf;

std::string Packet(int cols, int rows, const std::vector<std::string>& items) {
  char header[32];
  std::snprintf(header, sizeof header, "%5d\x01%10d\x01", cols, rows);
  std::string text = header;
  for (const std::string& item : items) text += item + "\x01";
  return text;
}

// Sections declared and filled as "columns,rows,names,values;…".
std::string CheckError(const std::vector<std::string>& a) {
  TPack pack(true);
  std::istringstream sections(a[0]);
  int32_t index = 0;
  for (std::string section; std::getline(sections, section, ';'); ++index) {
    int cols = 0, rows = 0, names = 0, values = 0;
    std::sscanf(section.c_str(), "%d,%d,%d,%d", &cols, &rows, &names, &values);
    TPackSection& written = pack.GetSection(index);
    written.SetRange(cols, rows);
    for (int i = 0; i < names; ++i) written.AddField("n" + std::to_string(i));
    for (int i = 0; i < values; ++i) written.AddValue(i);
  }
  return ErrorOf([&] { pack.CheckBuffer(); });
}

std::string OpenError(std::string packet) {
  TUnpack reader(false);
  return ErrorOf([&] { reader.Open(packet.data(), static_cast<int32_t>(packet.size())); });
}

// A column of the packet pack_sections.txt describes, by number or by name.
std::string Lookup(const std::vector<std::string>& a) {
  std::string packet = Packet(3, 1, {"col", "\xE9\x41"s, "代码", "1", "2", "3"});
  TUnpack reader(false);
  reader.Open(packet.data(), static_cast<int32_t>(packet.size()));
  TUnpackSection& section = reader.GetSection(0);
  if (a[0] == "GetField") return section.GetField(std::stoi(a[1])).GetAsString();
  if (a[0] == "GetFieldName") return section.GetFieldName(std::stoi(a[1]));
  if (a[0] == "FieldByNamex") return section.FieldByNamex(a[1]).Text() == section.EmptyField().Text() ? "(empty field)" : "?";
  return (a[0] == "FieldByName" ? section.FieldByName(a[1]) : section.FieldByName2(a[1])).GetAsString();
}

TEST(SectionPacket, StructureErrorsOfReaderAndWriterAndLookups) {
  testing::CheckAnswers("pack_sections.txt", {{"Open", [](auto& a) { return OpenError(a[0]); }}, {"Check", CheckError}, {"Lookup", Lookup}});
}

TEST(UnpackOpen, EveryTruncationFailsCleanlyUnlessItEndsASection) {
  const std::string first = Packet(2, 1, {"a", "b", "1", "2"});
  const std::string whole = first + Packet(1, 1, {"c", "3"});
  for (size_t cut = 1; cut <= whole.size(); ++cut) {
    // An exact-size copy, so ASan sees any read past the end.
    std::vector<char> bytes(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(cut));
    TUnpack reader(false);
    const std::string error = ErrorOf([&] { reader.Open(bytes.data(), static_cast<int32_t>(cut)); });
    const bool boundary = cut == first.size() || cut == whole.size();
    EXPECT_EQ(error, boundary ? "(no error)" : error == "解包列个数错误" ? error : "行、列数与实际不符") << cut;
  }
}

TEST(UnpackOpen, FailedOpenKeepsEarlierSectionsAndReopenClearsStaleOnes) {
  std::string packet = Packet(1, 1, {"a", "1"}) + Packet(1, 3, {"b", "2"});
  TUnpack reader(true);
  EXPECT_THROW(reader.Open(packet.data(), static_cast<int32_t>(packet.size())), Error);
  EXPECT_EQ(reader.SectionCount(), 2);
  EXPECT_EQ(reader.GetSection(0).FieldByName("a").GetAsString(), "1");
  std::string small = Packet(1, 1, {"z", "9"});
  reader.Open(small.data(), static_cast<int32_t>(small.size()));
  EXPECT_EQ(reader.SectionCount(), 1);
  EXPECT_TRUE(reader.GetSection(1).Items().empty());
  EXPECT_EQ(reader.GetSection(1).GetRecNo(), 0);
  reader.Open(small.data(), 0);  // nothing to read: every section at Eof, the count as it was
  EXPECT_EQ(reader.SectionCount(), 1);
  EXPECT_TRUE(reader.GetSection(0).Eof());
  EXPECT_EQ(reader.GetSection(0).GetField(0).GetAsString(), "9");
}

TEST(UnpackFields, Conversions) {
  auto field = [](const std::vector<std::string>& a) { return TField(a[0].c_str()); };
  testing::CheckAnswers("pack_field_conversions.txt", {
      {"int", [&](auto& a) { return std::to_string(field(a).GetAsInteger()); }},
      {"int-or", [&](auto& a) { return std::to_string(field(a).AsIntegerDef(std::stoi(a[1]))); }},
      {"float", [&](auto& a) { return std::to_string(field(a).GetAsFloat()); }},
      {"float-or", [&](auto& a) { return std::to_string(field(a).AsFloatDef(std::stod(a[1]))); }},
      {"char", [&](auto& a) { return std::string(1, field(a).GetAsChar()); }},
      {"char-or", [&](auto& a) { return std::string(1, field(a).AsCharDef(a[1][0])); }},
      {"string-or", [&](auto& a) { return field(a).AsStringDef(a[1]); }},
      {"bool-or", [&](auto& a) { return testing::Num(field(a).AsBoolDef(a[1] == "1")); }},
  });
}

}  // namespace
}  // namespace ruzi
