#pragma once
// How a hand-made skin draws its images: rules "pattern = WxH top bottom [border]", the
// pattern a resource name with '*' standing for any run of characters, the colours RRGGBBAA
// in hex. The first rule whose pattern matches a name draws it: a vertical gradient from the
// top colour to the bottom one, framed by the border colour when there is one.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "picture_files.h"

namespace ruzi::skin_generator {

struct ImageRule {
  std::string pattern;
  int width;
  int height;
  uint32_t top;
  uint32_t bottom;
  std::optional<uint32_t> border;
};

// Throws std::runtime_error naming the line on anything malformed.
std::vector<ImageRule> ParseImageRules(std::string_view text);
bool GlobMatches(std::string_view pattern, std::string_view name);
const ImageRule* FindRule(const std::vector<ImageRule>& rules, std::string_view name);
Picture DrawRule(const ImageRule& rule);

}  // namespace ruzi::skin_generator
