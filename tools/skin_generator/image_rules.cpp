#include "image_rules.h"

#include <charconv>
#include <sstream>
#include <stdexcept>

namespace ruzi::skin_generator {
namespace {

uint32_t ParseRgba(const std::string& text, size_t line_number) {
  uint32_t value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value, 16);
  if (text.size() != 8 || result.ec != std::errc() || result.ptr != text.data() + text.size()) {
    throw std::runtime_error("image rule line " + std::to_string(line_number) + ": colour " + text + " is not RRGGBBAA");
  }
  return value;
}

uint8_t Channel(uint32_t rgba, int shift) { return static_cast<uint8_t>(rgba >> shift); }

uint8_t Blend(uint32_t from, uint32_t to, int shift, int step, int steps) {
  return static_cast<uint8_t>((Channel(from, shift) * (steps - step) + Channel(to, shift) * step) / steps);
}

}  // namespace

std::vector<ImageRule> ParseImageRules(std::string_view text) {
  std::vector<ImageRule> rules;
  std::istringstream lines{std::string(text)};
  std::string line;
  size_t line_number = 0;
  while (std::getline(lines, line)) {
    ++line_number;
    std::istringstream fields(line);
    ImageRule rule{};
    std::string equals, size, top, bottom, border;
    if (!(fields >> rule.pattern) || rule.pattern.front() == ';') continue;
    char by = 0;
    if (!(fields >> equals >> size >> top >> bottom) || equals != "=" ||
        !(std::istringstream(size) >> rule.width >> by >> rule.height) || by != 'x' || rule.width <= 0 ||
        rule.height <= 0 || rule.width > 256 || rule.height > 256) {
      throw std::runtime_error("image rule line " + std::to_string(line_number) + ": expected pattern = WxH top bottom [border]");
    }
    rule.top = ParseRgba(top, line_number);
    rule.bottom = ParseRgba(bottom, line_number);
    if (fields >> border) rule.border = ParseRgba(border, line_number);
    rules.push_back(rule);
  }
  return rules;
}

bool GlobMatches(std::string_view pattern, std::string_view name) {
  if (pattern.empty()) return name.empty();
  if (pattern.front() == '*') {
    for (size_t skip = 0; skip <= name.size(); ++skip) {
      if (GlobMatches(pattern.substr(1), name.substr(skip))) return true;
    }
    return false;
  }
  return !name.empty() && pattern.front() == name.front() && GlobMatches(pattern.substr(1), name.substr(1));
}

const ImageRule* FindRule(const std::vector<ImageRule>& rules, std::string_view name) {
  for (const ImageRule& rule : rules) {
    if (GlobMatches(rule.pattern, name)) return &rule;
  }
  return nullptr;
}

Picture DrawRule(const ImageRule& rule) {
  Picture picture{rule.width, rule.height, {}};
  const int steps = rule.height > 1 ? rule.height - 1 : 1;
  for (int y = 0; y < rule.height; ++y) {
    for (int x = 0; x < rule.width; ++x) {
      const bool edge = x == 0 || y == 0 || x == rule.width - 1 || y == rule.height - 1;
      if (edge && rule.border) {
        for (int shift : {24, 16, 8, 0}) picture.rgba.push_back(Channel(*rule.border, shift));
        continue;
      }
      for (int shift : {24, 16, 8, 0}) picture.rgba.push_back(Blend(rule.top, rule.bottom, shift, y, steps));
    }
  }
  return picture;
}

}  // namespace ruzi::skin_generator
