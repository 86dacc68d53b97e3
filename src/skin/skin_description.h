#pragma once
// A skin as the face library describes it: text answers addressed by family, element and
// attribute. The description is an INI-like text of our own:
//
//   ; comment
//   [root]                  attributes of the whole skin
//   facetype=blue
//   [parent mainform]       a top-level element
//   [child dbgrideh]        a per-control element
//   "titlefontcolor "=$666666   a key in quotes keeps its blanks
//   [public]                colours shared by the whole client
//   color_red=$0000FF
//
// Keys and element names are byte-exact (case counts). Values are trimmed. Parse throws
// ruzi::Error naming the line for anything else. Immutable after parsing: any thread may read.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>

namespace ruzi::skin {

enum class SkinFamily { kRoot, kParent, kChild, kPublic };

// "root", "parent", "child", "public".
const char* SkinFamilyName(SkinFamily family);
// The family of that name; false when there is none.
bool SkinFamilyFromName(std::string_view name, SkinFamily& family);

class SkinDescription {
 public:
  static SkinDescription Parse(std::string_view text);

  // The value, or nullptr when the skin lacks the key. Root and public keys have no element.
  const std::string* Find(SkinFamily family, std::string_view element, std::string_view attribute) const;
  void Set(SkinFamily family, std::string_view element, std::string_view attribute, std::string_view value);
  size_t Size() const { return values_.size(); }
  // The text Parse reads back to the same description.
  std::string Write() const;

 private:
  struct Key {
    SkinFamily family;
    std::string element;
    std::string attribute;
    auto operator<=>(const Key&) const = default;
  };
  std::map<Key, std::string> values_;
};

// A colour written "$BBGGRR", "0xBBGGRR" or in decimal (negative allowed, as a 32-bit code);
// 0 for anything else.
uint32_t ParseSkinColour(std::string_view text);
// "1", "true" or "yes" in any ASCII case.
bool ParseSkinFlag(std::string_view text);
// A decimal integer with an optional sign; 0 for anything else.
int32_t ParseSkinInteger(std::string_view text);
// "$" and six or eight hex digits.
std::string WriteSkinColour(uint32_t colour);

}  // namespace ruzi::skin
