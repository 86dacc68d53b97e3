#include "secret_mask.h"

#include <array>
#include <cstdint>

namespace ruzi::mwd {
namespace {

constexpr std::array<std::string_view, 2> kSecretNames = {"vc_password", "vc_capital_password"};

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// True when text holds `lower` at `at`, ASCII letters folded (tag names are ASCII; GBK trail
// bytes never equal '<', '/' or '>', so a match cannot start inside a character).
bool HasAt(std::string_view text, size_t at, std::string_view lower) {
  if (at > text.size() || text.size() - at < lower.size()) return false;
  for (size_t i = 0; i < lower.size(); ++i) {
    if (Lower(text[at + i]) != lower[i]) return false;
  }
  return true;
}

// "<name>" (closing: "</name>") at `at`.
bool TagAt(std::string_view text, size_t at, std::string_view name, bool closing) {
  size_t p = at;
  if (!HasAt(text, p, closing ? "</" : "<")) return false;
  p += closing ? 2 : 1;
  if (!HasAt(text, p, name)) return false;
  return HasAt(text, p + name.size(), ">");
}

size_t FindClosing(std::string_view text, size_t from, std::string_view name) {
  for (size_t at = text.find('<', from); at != std::string_view::npos; at = text.find('<', at + 1)) {
    if (TagAt(text, at, name, true)) return at;
  }
  return text.size();
}

// Every secret's opening tag ends so. Horspool's shifts over the folded letters: most calls hold
// no secret, and a look every few bytes tells so without stopping at each tag.
constexpr std::string_view kSecretTagEnd = "password>";

constexpr std::array<uint8_t, 256> SecretTagEndShifts() {
  std::array<uint8_t, 256> shifts{};
  constexpr size_t last = kSecretTagEnd.size() - 1;
  for (auto& shift : shifts) shift = static_cast<uint8_t>(kSecretTagEnd.size());
  for (size_t i = 0; i < last; ++i) {
    const char c = kSecretTagEnd[i];
    shifts[static_cast<uint8_t>(c)] = static_cast<uint8_t>(last - i);
    if (c >= 'a' && c <= 'z') shifts[static_cast<uint8_t>(c - 'a' + 'A')] = static_cast<uint8_t>(last - i);
  }
  return shifts;
}

}  // namespace

bool MayHoldSecrets(std::string_view text) {
  static constexpr std::array<uint8_t, 256> kShifts = SecretTagEndShifts();
  const size_t length = kSecretTagEnd.size();
  for (size_t at = 0; at + length <= text.size(); at += kShifts[static_cast<uint8_t>(text[at + length - 1])]) {
    if (HasAt(text, at, kSecretTagEnd)) return true;
  }
  return false;
}

std::string MaskSecrets(std::string_view text) {
  if (!MayHoldSecrets(text)) return std::string(text);
  std::string out;
  out.reserve(text.size());
  size_t copied = 0;  // text before this is already in `out`
  size_t at = text.find('<');
  while (at != std::string_view::npos) {
    std::string_view name;
    for (std::string_view candidate : kSecretNames) {
      if (TagAt(text, at, candidate, false)) name = candidate;
    }
    if (name.empty()) {
      at = text.find('<', at + 1);
      continue;
    }
    size_t value_start = at + name.size() + 2;
    size_t value_end = FindClosing(text, value_start, name);
    out.append(text.substr(copied, value_start - copied));
    out.append(kMaskedSecret);
    copied = value_end;
    at = text.find('<', value_end);
  }
  out.append(text.substr(copied));
  return out;
}

}  // namespace ruzi::mwd
