// The skin's portable parts: known answers (tests/data/skin_values.txt) of skin descriptions,
// manifests, the library a facetype names, the loose-file folder and the PNG placement; and
// random descriptions written and read back.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "ruzirareva/skin/face_interface.h"
#include "skin/loose_skin_folder.h"
#include "skin/png_layout.h"
#include "skin/skin_description.h"
#include "skin/skin_manifest.h"
#include "vector_file.h"

namespace ruzi::skin {
namespace {

// "|" stands for a line break in the data file.
std::string Lines(std::string text) {
  std::replace(text.begin(), text.end(), '|', '\n');
  return text;
}

std::string Joined(const std::vector<std::string>& parts) {
  std::string text;
  for (const std::string& part : parts) text += (text.empty() ? "" : "|") + part;
  return text;
}

PngRect Rect(const std::vector<std::string>& a) { return {std::stoi(a[0]), std::stoi(a[1]), std::stoi(a[2]), std::stoi(a[3])}; }
std::string Text(int a, int b) { return std::to_string(a) + " " + std::to_string(b); }

TEST(SkinKnownAnswers, FromTheDataFile) {
  using Args = std::vector<std::string>;
  testing::CheckAnswers(
      "skin_values.txt",
      {{"Colour", [](const Args& a) { return std::to_string(ParseSkinColour(a[0])); }},
       {"Flag", [](const Args& a) { return testing::Num(ParseSkinFlag(a[0])); }},
       {"Integer", [](const Args& a) { return std::to_string(ParseSkinInteger(a[0])); }},
       {"WriteColour", [](const Args& a) { return WriteSkinColour(static_cast<uint32_t>(std::stoul(a[0]))); }},
       {"Find", [](const Args& a) {
          SkinFamily family{};
          if (!SkinFamilyFromName(a[1], family)) return std::string("bad family");
          const SkinDescription skin = SkinDescription::Parse(Lines(a[0]));
          const std::string* value = skin.Find(family, a[2], a[3]);
          return value ? *value : std::string("<none>");
        }},
       {"Manifest", [](const Args& a) {
          std::vector<std::string> lines;
          for (const ManifestEntry& entry : ParseManifest(Lines(a[0]))) lines.push_back(ManifestLine(entry));
          return Joined(lines);
        }},
       {"Missing", [](const Args& a) {
          const auto has = [&](const std::string& name) { return ("," + a[2] + ",").find("," + name + ",") != std::string::npos; };
          return Joined(MissingSkinEntries(ParseManifest(Lines(a[0])), SkinDescription::Parse(Lines(a[1])), has));
        }},
       {"FaceDll", [](const Args& a) { return Faceinterface::FaceDllForFaceType(a[0], a[1]); }},
       {"LooseFolder", [](const Args& a) { return LooseSkinFolder(a[0]); }},
       {"Centre", [](const Args& a) {
          const PngPoint at = PngCentreOrigin(Rect(a), std::stoi(a[4]), std::stoi(a[5]));
          return Text(at.x, at.y);
        }},
       {"Tiles", [](const Args& a) {
          std::vector<std::string> tiles;
          for (const PngRect& r : PngStretchTiles(Rect(a), std::stoi(a[4]))) tiles.push_back(Text(r.left, r.top) + " " + Text(r.right, r.bottom));
          return Joined(tiles);
        }}});
}

// Random descriptions, keys drawn from an alphabet rich in the bytes the format treats
// specially, written and read back: every key keeps its value, none appears or goes.
TEST(SkinDescription, WrittenTextReadsBackProperty) {
  std::mt19937 random(26);
  const std::string alphabet = "ab =;[\"]\t\xB0\xA1";
  for (int round = 0; round < 300; ++round) {
    SkinDescription description;
    std::vector<std::tuple<SkinFamily, std::string, std::string, std::string>> model;
    for (int i = 0; i < 8; ++i) {
      const auto family = static_cast<SkinFamily>(random() % 4);
      const bool has_element = family == SkinFamily::kParent || family == SkinFamily::kChild;
      const std::string element = has_element ? "e" + std::to_string(random() % 3) : "";
      std::string key;
      for (size_t length = 1 + random() % 6; key.size() < length;) key += alphabet[random() % alphabet.size()];
      // What the format cannot hold is out of the model: a quote inside a key, a blank key.
      if (key.find('"') != std::string::npos || key.find_first_not_of(" \t") == std::string::npos) continue;
      const std::string value = "v" + std::to_string(random() % 100);
      description.Set(family, element, key, value);
      std::erase_if(model, [&](const auto& entry) {
        return std::get<0>(entry) == family && std::get<1>(entry) == element && std::get<2>(entry) == key;
      });
      model.emplace_back(family, element, key, value);
    }
    const SkinDescription again = SkinDescription::Parse(description.Write());
    ASSERT_EQ(again.Size(), model.size()) << description.Write();
    for (const auto& [family, element, key, value] : model) {
      const std::string* found = again.Find(family, element, key);
      ASSERT_NE(found, nullptr) << "lost [" << key << "] in\n" << description.Write();
      EXPECT_EQ(*found, value);
    }
  }
}

}  // namespace
}  // namespace ruzi::skin
