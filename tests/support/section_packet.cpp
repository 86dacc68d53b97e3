#include "section_packet.h"

#include "packets/pack.h"

namespace ruzi::testing {

std::string SectionPacket(const std::vector<std::string>& names, const TextRows& rows) {
  TPack pack(true);
  TPackSection& section = pack.GetSection(0);
  section.SetRange(static_cast<int32_t>(names.size()), static_cast<int32_t>(rows.size()));
  section.CreateFields(names);
  for (const auto& row : rows) section.AddRow(row);
  pack.CheckBuffer();
  return std::string(pack.Text());
}

}  // namespace ruzi::testing
