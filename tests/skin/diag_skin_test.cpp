// The diagnostic skin: answers that tell which key was asked, and the generated face_diag
// files agreeing with the functions the tests share.
#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <sstream>

#include "skin/diag_skin.h"
#include "skin/skin_manifest.h"

namespace ruzi::skin {
namespace {

TEST(DiagSkin, EveryColourKeyHasItsOwnExplicitColour) {
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
  EXPECT_EQ(DiagText(SkinFamily::kRoot, "", "facetype"), "diag");
}

TEST(DiagSkin, FlagsTakeBothValuesAcrossKeys) {
  int set = 0;
  for (int i = 0; i < 64; ++i) set += DiagFlag(SkinFamily::kChild, "e" + std::to_string(i), "transparent");
  EXPECT_GT(set, 8);
  EXPECT_LT(set, 56);
}

TEST(DiagSkin, GeneratedDescriptionHoldsTheDerivedValues) {
  std::ifstream file(RUZI_FACE_DIAG_DIR "/skin.txt", std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  const SkinDescription skin = SkinDescription::Parse(text.str());
  size_t keys = 0;
  for (const ManifestEntry& entry : LibraryManifest()) {
    if (entry.kind == ManifestEntry::Kind::kImage) continue;
    ++keys;
    const std::string* value = skin.Find(entry.family, entry.element, entry.attribute);
    ASSERT_NE(value, nullptr) << ManifestLine(entry);
    switch (entry.kind) {
      case ManifestEntry::Kind::kColour:
        EXPECT_EQ(ParseSkinColour(*value), DiagColour(entry.family, entry.element, entry.attribute));
        break;
      case ManifestEntry::Kind::kFlag:
        EXPECT_EQ(ParseSkinFlag(*value), DiagFlag(entry.family, entry.element, entry.attribute));
        break;
      default:
        EXPECT_EQ(*value, DiagText(entry.family, entry.element, entry.attribute));
    }
  }
  // Beside the manifest only the long answer the string queries are tried with.
  ASSERT_NE(skin.Find(SkinFamily::kRoot, "", "diag.long"), nullptr);
  EXPECT_EQ(skin.Size(), keys + 1);
}

}  // namespace
}  // namespace ruzi::skin
