// The manifest of skin entries and what a skin lacks of it.
#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>

#include "ruzirareva/foundation/error.h"
#include "skin/skin_manifest.h"

namespace ruzi::skin {
namespace {

std::string ReadSourceFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

TEST(SkinManifest, LibraryCarriesTheManifestOfTheSources) {
  const std::vector<ManifestEntry> source = ParseManifest(ReadSourceFile(RUZI_FACE_SOURCE_DIR "/manifest.txt"));
  ASSERT_EQ(LibraryManifest().size(), source.size());
  for (size_t i = 0; i < source.size(); ++i) EXPECT_EQ(ManifestLine(LibraryManifest()[i]), ManifestLine(source[i]));
}

// A name listed twice would let a skin "cover" fewer entries than the count suggests.
TEST(SkinManifest, ListsEachEntryOnce) {
  std::set<std::string> lines;
  for (const ManifestEntry& entry : LibraryManifest()) {
    EXPECT_TRUE(lines.insert(ManifestLine(entry)).second) << ManifestLine(entry);
  }
  EXPECT_TRUE(lines.count("colour\tchild\tdbgrideh\ttitlefontcolor "));
  EXPECT_TRUE(lines.count("image\tpng.button_green_new.normal_mid.left.focus"));
}

TEST(SkinManifest, RejectsMalformedLinesNamingThem) {
  const std::pair<const char*, const char*> cases[] = {
      {"# c\n\npicture\tx", "manifest line 3: unknown kind"},
      {"image", "manifest line 1: an image takes one name"},
      {"image\ta\tb", "manifest line 1: an image takes one name"},
      {"colour\tchild\tx", "manifest line 1: a key takes family, element and attribute"},
      {"colour\tchild\tx\t", "manifest line 1: a key takes family, element and attribute"},
      {"colour\tform\tx\ty", "manifest line 1: unknown family"},
      {"flag\tchild\t\ty", "manifest line 1: element does not suit the family"},
      {"text\troot\tx\ty", "manifest line 1: element does not suit the family"},
      {"image\ta.png\r\r\n", "manifest line 1: control character in a name"},
  };
  for (const auto& [text, message] : cases) {
    try {
      ParseManifest(text);
      ADD_FAILURE() << text;
    } catch (const Error& error) {
      EXPECT_STREQ(error.what(), message) << text;
    }
  }
}

TEST(SkinManifest, MissingEntriesInManifestOrder) {
  const std::vector<ManifestEntry> manifest =
      ParseManifest("image\tb.png\r\ncolour\tchild\tedit\tBgColor\nflag\tchild\tlabel\ttransparent\n"
                    "text\troot\t\tfacetype\nimage\ta.png\ncolour\tpublic\t\tcolor_red\n");
  SkinDescription skin;
  skin.Set(SkinFamily::kChild, "edit", "BgColor", "$1");
  // The same key under another family or case does not count.
  skin.Set(SkinFamily::kParent, "label", "transparent", "1");
  skin.Set(SkinFamily::kRoot, "", "FaceType", "blue");
  skin.Set(SkinFamily::kPublic, "", "color_red", "$FF");
  const auto missing = MissingSkinEntries(manifest, skin, [](const std::string& name) { return name == "a.png"; });
  EXPECT_EQ(missing, (std::vector<std::string>{"image\tb.png", "flag\tchild\tlabel\ttransparent",
                                                "text\troot\t\tfacetype"}));
}

}  // namespace
}  // namespace ruzi::skin
