#include "reply_text.h"

#include "packets/pack.h"
#include "packets/tagged_package.h"

namespace ruzi::mwd {
namespace {

void AddAll(TqxPackage& package, ReplyItems items) {
  for (const auto& [name, value] : items) package.Add(name, value);
}

}  // namespace

std::string TaggedText(ReplyItems items) {
  TqxPackage package;
  AddAll(package, items);
  return package.GetText();
}

std::string ConventionReply(int32_t code, std::string_view message, ReplyItems items) {
  TqxPackage package;
  package.Add("ErrCode", code);
  package.Add("ErrMsg", message);
  AddAll(package, items);
  return package.GetText();
}

std::string PacketSafe(std::string text) {
  for (char& c : text) {
    if (c == '\0' || c == '\x01') c = '?';
  }
  return text;
}

std::string SectionPacket(const std::vector<std::string>& columns, const std::vector<std::vector<std::string>>& rows) {
  TPack pack(true);
  TPackSection& section = pack.GetSection(0);
  section.SetRange(static_cast<int32_t>(columns.size()), static_cast<int32_t>(rows.size()));
  section.CreateFields(columns);
  for (const auto& row : rows) section.AddRow(row);
  pack.CheckBuffer();
  return std::string(pack.Text());
}

}  // namespace ruzi::mwd
