#include "skin/skin_description.h"

#include <charconv>
#include <limits>

#include "platform/ascii_case.h"
#include "ruzirareva/foundation/error.h"

namespace ruzi::skin {
namespace {

constexpr const char* kFamilyNames[] = {"root", "parent", "child", "public"};

bool HasElement(SkinFamily family) { return family == SkinFamily::kParent || family == SkinFamily::kChild; }

std::string_view TrimBlanks(std::string_view text) {
  const size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

[[noreturn]] void Fail(size_t line_number, std::string_view what) {
  throw Error("skin line " + std::to_string(line_number) + ": " + std::string(what));
}

struct Section {
  SkinFamily family;
  std::string element;
};

Section ParseHeader(std::string_view line, size_t line_number) {
  if (line.back() != ']') Fail(line_number, "section header without ']'");
  const std::string_view inside = TrimBlanks(line.substr(1, line.size() - 2));
  const size_t blank = inside.find(' ');
  const std::string_view family_name = inside.substr(0, blank);
  const std::string_view element = blank == std::string_view::npos ? std::string_view{} : TrimBlanks(inside.substr(blank));
  Section section{};
  if (!SkinFamilyFromName(family_name, section.family)) Fail(line_number, "unknown section");
  if (HasElement(section.family) == element.empty()) {
    Fail(line_number, HasElement(section.family) ? "section needs an element" : "section takes no element");
  }
  section.element = element;
  return section;
}

// The key of "key=value" or "\"key \"=value", and where its '=' is.
std::string_view ParseKey(std::string_view line, size_t line_number, size_t& equals) {
  if (line.front() == '"') {
    const size_t close = line.find('"', 1);
    if (close == std::string_view::npos) Fail(line_number, "unterminated quote");
    equals = line.find_first_not_of(" \t", close + 1);
    if (equals == std::string_view::npos || line[equals] != '=') Fail(line_number, "no '=' after the key");
    return line.substr(1, close - 1);
  }
  equals = line.find('=');
  if (equals == std::string_view::npos) Fail(line_number, "no '='");
  return TrimBlanks(line.substr(0, equals));
}

bool ParseHex(std::string_view digits, uint32_t& value) {
  if (digits.empty() || digits.size() > 8) return false;
  const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
  return result.ec == std::errc() && result.ptr == digits.data() + digits.size();
}

}  // namespace

const char* SkinFamilyName(SkinFamily family) { return kFamilyNames[static_cast<int>(family)]; }

bool SkinFamilyFromName(std::string_view name, SkinFamily& family) {
  for (int i = 0; i < 4; ++i) {
    if (name == kFamilyNames[i]) {
      family = static_cast<SkinFamily>(i);
      return true;
    }
  }
  return false;
}

SkinDescription SkinDescription::Parse(std::string_view text) {
  SkinDescription description;
  bool in_section = false;
  Section section{};
  size_t line_number = 0;
  while (!text.empty()) {
    ++line_number;
    const size_t end = text.find('\n');
    const std::string_view line = TrimBlanks(text.substr(0, end));
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      section = ParseHeader(line, line_number);
      in_section = true;
      continue;
    }
    if (!in_section) Fail(line_number, "key outside a section");
    size_t equals = 0;
    const std::string_view key = ParseKey(line, line_number, equals);
    if (key.empty()) Fail(line_number, "empty key");
    description.Set(section.family, section.element, key, TrimBlanks(line.substr(equals + 1)));
  }
  return description;
}

const std::string* SkinDescription::Find(SkinFamily family, std::string_view element,
                                         std::string_view attribute) const {
  const auto found = values_.find(Key{family, std::string(element), std::string(attribute)});
  return found == values_.end() ? nullptr : &found->second;
}

void SkinDescription::Set(SkinFamily family, std::string_view element, std::string_view attribute,
                          std::string_view value) {
  values_[Key{family, std::string(element), std::string(attribute)}] = std::string(value);
}

std::string SkinDescription::Write() const {
  std::string text;
  const Key* section = nullptr;
  for (const auto& [key, value] : values_) {
    if (section == nullptr || section->family != key.family || section->element != key.element) {
      text += std::string("[") + SkinFamilyName(key.family) + (key.element.empty() ? "" : " ") + key.element + "]\n";
      section = &key;
    }
    const bool quoted = key.attribute != TrimBlanks(key.attribute) || key.attribute.find('=') != std::string::npos ||
                        key.attribute.front() == ';' || key.attribute.front() == '[' || key.attribute.front() == '"';
    text += quoted ? "\"" + key.attribute + "\"" : key.attribute;
    text += "=" + value + "\n";
  }
  return text;
}

uint32_t ParseSkinColour(std::string_view text) {
  text = TrimBlanks(text);
  uint32_t value = 0;
  if (text.starts_with("$")) return ParseHex(text.substr(1), value) ? value : 0;
  if (text.starts_with("0x") || text.starts_with("0X")) return ParseHex(text.substr(2), value) ? value : 0;
  return static_cast<uint32_t>(ParseSkinInteger(text));
}

bool ParseSkinFlag(std::string_view text) {
  text = TrimBlanks(text);
  return text == "1" || AsciiEqualIgnoreCase(text, "true") || AsciiEqualIgnoreCase(text, "yes");
}

int32_t ParseSkinInteger(std::string_view text) {
  text = TrimBlanks(text);
  if (text.starts_with("+")) text.remove_prefix(1);
  int64_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || result.ec != std::errc() || result.ptr != text.data() + text.size()) return 0;
  if (value < std::numeric_limits<int32_t>::min() || value > std::numeric_limits<uint32_t>::max()) return 0;
  return static_cast<int32_t>(static_cast<uint32_t>(value));
}

std::string WriteSkinColour(uint32_t colour) {
  char digits[12];
  const auto result = std::to_chars(digits, digits + sizeof digits, colour, 16);
  std::string hex(digits, result.ptr);
  for (char& c : hex) c = AsciiUpper(c);
  const size_t width = colour > 0xFFFFFF ? 8 : 6;
  return "$" + std::string(width > hex.size() ? width - hex.size() : 0, '0') + hex;
}

}  // namespace ruzi::skin
