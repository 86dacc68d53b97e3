#include "ui/short_cut.h"

#include <iterator>

namespace ruzi {
namespace {

struct KeyName {
  unsigned key;
  const char* name;
};

// Keys named by more than their own character.
constexpr KeyName kKeyNames[] = {
    {0x08, "BkSp"}, {0x09, "Tab"},  {0x0D, "Enter"}, {0x1B, "Esc"},  {0x20, "Space"}, {0x21, "PgUp"},
    {0x22, "PgDn"}, {0x23, "End"},  {0x24, "Home"},  {0x25, "Left"}, {0x26, "Up"},    {0x27, "Right"},
    {0x28, "Down"}, {0x2D, "Ins"},  {0x2E, "Del"},
};
constexpr unsigned kF1 = 0x70, kF12 = 0x7B;

constexpr struct {
  TShortCut flag;
  const char* name;
} kFlags[] = {{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}};

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (Upper(a[i]) != Upper(b[i])) return false;
  }
  return true;
}

std::string KeyToText(unsigned key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  if (key >= kF1 && key <= kF12) return "F" + std::to_string(key - kF1 + 1);
  for (const KeyName& entry : kKeyNames) {
    if (entry.key == key) return entry.name;
  }
  return "";
}

// The virtual key named `text`, 0 for none.
unsigned TextToKey(std::string_view text) {
  if (text.size() == 1) {
    const char c = Upper(text[0]);
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ? static_cast<unsigned>(c) : 0;
  }
  for (unsigned key = kF1; key <= kF12; ++key) {
    if (SameLetters(text, KeyToText(key))) return key;
  }
  for (const KeyName& entry : kKeyNames) {
    if (SameLetters(text, entry.name)) return entry.key;
  }
  return 0;
}

}  // namespace

std::string ShortCutToText(TShortCut short_cut) {
  const std::string key = KeyToText(short_cut & 0xFF);
  if (key.empty()) return "";
  std::string text;
  for (const auto& flag : kFlags) {
    if ((short_cut & flag.flag) != 0) text += flag.name;
  }
  return text + key;
}

TShortCut TextToShortCut(std::string_view text) {
  TShortCut flags = 0;
  for (bool found = true; found;) {
    found = false;
    for (const auto& flag : kFlags) {
      const std::string_view name = flag.name;
      if (text.size() > name.size() && SameLetters(text.substr(0, name.size()), name)) {
        if ((flags & flag.flag) != 0) return scNone;  // a flag twice
        flags |= flag.flag;
        text.remove_prefix(name.size());
        found = true;
      }
    }
  }
  const unsigned key = TextToKey(text);
  return key == 0 ? scNone : ShortCut(key, flags);
}

}  // namespace ruzi
