// The manifest compiled into the library and the diagnostic skin generated from it: the
// library carries the sources' manifest, each entry once; every colour key of the diagnostic
// skin has its own explicit colour; the generated description holds the derived values.
// (Manifest lines and what a skin lacks: skin_description_test.cpp.)
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "diag_pixels.h"
#include "skin/skin_manifest.h"

namespace ruzi::skin {
namespace {

// A name listed twice would let a skin "cover" fewer entries than the count suggests.
TEST(SkinManifest, LibraryCarriesTheManifestOfTheSourcesEachEntryOnce) {
  const std::vector<ManifestEntry> source = ParseManifest(testing::FileBytes(RUZI_FACE_SOURCE_DIR "/manifest.txt"));
  ASSERT_EQ(LibraryManifest().size(), source.size());
  std::set<std::string> lines;
  for (size_t i = 0; i < source.size(); ++i) {
    EXPECT_EQ(ManifestLine(LibraryManifest()[i]), ManifestLine(source[i]));
    EXPECT_TRUE(lines.insert(ManifestLine(source[i])).second) << ManifestLine(source[i]);
  }
  EXPECT_TRUE(lines.count("colour\tchild\tdbgrideh\ttitlefontcolor "));
  EXPECT_TRUE(lines.count("image\tpng.button_green_new.normal_mid.left.focus"));
}

TEST(DiagSkin, EveryColourKeyHasItsOwnExplicitColourAndFlagsTakeBothValues) {
  std::map<uint32_t, std::string> owners;
  for (const ManifestEntry& entry : LibraryManifest()) {
    if (entry.kind != ManifestEntry::Kind::kColour) continue;
    const uint32_t colour = DiagColour(entry.family, entry.element, entry.attribute);
    EXPECT_EQ(colour & 0xFF000000u, 0u) << ManifestLine(entry);
    const auto [owner, fresh] = owners.emplace(colour, ManifestLine(entry));
    EXPECT_TRUE(fresh) << ManifestLine(entry) << " shares its colour with " << owner->second;
  }
  // The keys a careless caller would confuse.
  EXPECT_NE(DiagColour(SkinFamily::kChild, "dbgrideh", "titlefontcolor "),
            DiagColour(SkinFamily::kChild, "dbgrideh", "titlefontcolor"));
  EXPECT_NE(DiagColour(SkinFamily::kChild, "mainform", "formbgcolor"),
            DiagColour(SkinFamily::kParent, "mainform", "formbgcolor"));
  EXPECT_NE(DiagColour(SkinFamily::kChild, "ab", "c"), DiagColour(SkinFamily::kChild, "a", "bc"));
  int set = 0;
  for (int i = 0; i < 64; ++i) set += DiagFlag(SkinFamily::kChild, "e" + std::to_string(i), "transparent");
  EXPECT_TRUE(set > 8 && set < 56) << set;
}

TEST(DiagSkin, GeneratedDescriptionHoldsTheDerivedValues) {
  const SkinDescription skin = SkinDescription::Parse(testing::FileBytes(RUZI_FACE_DIAG_DIR "/skin.txt"));
  size_t keys = 0;
  for (const ManifestEntry& entry : LibraryManifest()) {
    if (entry.kind == ManifestEntry::Kind::kImage) continue;
    ++keys;
    const std::string* value = skin.Find(entry.family, entry.element, entry.attribute);
    ASSERT_NE(value, nullptr) << ManifestLine(entry);
    const std::string want =
        entry.kind == ManifestEntry::Kind::kColour ? WriteSkinColour(DiagColour(entry.family, entry.element, entry.attribute))
        : entry.kind == ManifestEntry::Kind::kFlag ? (DiagFlag(entry.family, entry.element, entry.attribute) ? "1" : "0")
                                                   : DiagText(entry.family, entry.element, entry.attribute);
    EXPECT_EQ(*value, want) << ManifestLine(entry);
  }
  EXPECT_EQ(DiagText(SkinFamily::kRoot, "", "facetype"), "diag");
  // Beside the manifest only the long answer the string queries are tried with.
  ASSERT_NE(skin.Find(SkinFamily::kRoot, "", "diag.long"), nullptr);
  EXPECT_EQ(skin.Size(), keys + 1);
}

}  // namespace
}  // namespace ruzi::skin
