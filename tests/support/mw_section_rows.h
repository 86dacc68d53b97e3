#pragma once
// The first section of a packet in a middleware reply, as rows of texts, for the middleware's
// tests natively and under Wine.
#include <string>
#include <vector>

#include "packets/tagged_package.h"
#include "packets/unpack.h"

namespace ruzi::testing {

struct SectionRows {
  std::vector<std::string> names;
  std::vector<std::vector<std::string>> rows;  // in column order
  std::string Named(size_t row, const std::string& name) const {
    for (size_t c = 0; c < names.size(); ++c) {
      if (names[c] == name) return rows.at(row).at(c);
    }
    return "<no column " + name + ">";
  }
};

inline SectionRows ReadSectionRows(std::string packet) {
  TUnpack unpack(true);
  unpack.Open(packet.data(), static_cast<int32_t>(packet.size()));
  TUnpackSection& section = unpack.GetSection(0);
  SectionRows read;
  for (int32_t c = 0; c < section.ColCount(); ++c) read.names.push_back(section.GetFieldName(c));
  section.First();
  for (int32_t r = 0; r < section.RowCount(); ++r, section.Next()) {
    read.rows.emplace_back();
    for (int32_t c = 0; c < section.ColCount(); ++c) read.rows.back().push_back(section.GetField(c).GetAsString());
  }
  return read;
}

// The packet a tagged reply carries in `item`; no rows when the item is missing.
inline SectionRows ItemRows(const std::string& reply, const char* item) {
  std::string packet;
  return TqxPackage(reply).GetItem(item, packet) ? ReadSectionRows(packet) : SectionRows{};
}

}  // namespace ruzi::testing
