#include "skin/skin_manifest.h"

#include "ruzirareva/foundation/error.h"

namespace ruzi::skin {
namespace {

constexpr const char* kKindNames[] = {"image", "colour", "flag", "text"};

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  for (size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t', start)) {
    fields.push_back(line.substr(start, tab - start));
    start = tab + 1;
  }
  fields.push_back(line.substr(start));
  return fields;
}

[[noreturn]] void Fail(size_t line_number, std::string_view what) {
  throw Error("manifest line " + std::to_string(line_number) + ": " + std::string(what));
}

ManifestEntry ParseEntry(std::string_view line, size_t line_number) {
  // Names are identifiers: a stray carriage return or other control byte would make a name
  // that prints like another one (and a second "\r" would not survive being written back).
  for (const char c : line) {
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') Fail(line_number, "control character in a name");
  }
  const std::vector<std::string_view> fields = SplitTabs(line);
  ManifestEntry entry{};
  int kind = 0;
  while (kind < 4 && fields[0] != kKindNames[kind]) ++kind;
  if (kind == 4) Fail(line_number, "unknown kind");
  entry.kind = static_cast<ManifestEntry::Kind>(kind);
  if (entry.kind == ManifestEntry::Kind::kImage) {
    if (fields.size() != 2 || fields[1].empty()) Fail(line_number, "an image takes one name");
    entry.attribute = fields[1];
    return entry;
  }
  if (fields.size() != 4 || fields[3].empty()) Fail(line_number, "a key takes family, element and attribute");
  if (!SkinFamilyFromName(fields[1], entry.family)) Fail(line_number, "unknown family");
  const bool has_element = entry.family == SkinFamily::kParent || entry.family == SkinFamily::kChild;
  if (has_element == fields[2].empty()) Fail(line_number, "element does not suit the family");
  entry.element = fields[2];
  entry.attribute = fields[3];
  return entry;
}

}  // namespace

std::vector<ManifestEntry> ParseManifest(std::string_view text) {
  std::vector<ManifestEntry> entries;
  size_t line_number = 0;
  while (!text.empty()) {
    ++line_number;
    const size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    if (line.empty() || line.front() == '#') continue;
    entries.push_back(ParseEntry(line, line_number));
  }
  return entries;
}

std::string ManifestLine(const ManifestEntry& entry) {
  std::string line = kKindNames[static_cast<int>(entry.kind)];
  if (entry.kind == ManifestEntry::Kind::kImage) return line + "\t" + entry.attribute;
  return line + "\t" + SkinFamilyName(entry.family) + "\t" + entry.element + "\t" + entry.attribute;
}

std::vector<std::string> MissingSkinEntries(const std::vector<ManifestEntry>& manifest, const SkinDescription& skin,
                                            const std::function<bool(const std::string&)>& has_image) {
  std::vector<std::string> missing;
  for (const ManifestEntry& entry : manifest) {
    const bool present = entry.kind == ManifestEntry::Kind::kImage
                             ? has_image(entry.attribute)
                             : skin.Find(entry.family, entry.element, entry.attribute) != nullptr;
    if (!present) missing.push_back(ManifestLine(entry));
  }
  return missing;
}

}  // namespace ruzi::skin
