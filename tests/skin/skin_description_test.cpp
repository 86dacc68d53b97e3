// The face library's skin description: values, lines, errors, and text written back.
#include <gtest/gtest.h>

#include <random>

#include "skin/skin_description.h"
#include "vector_file.h"

namespace ruzi::skin {
namespace {

std::string Lines(std::string text) {
  for (char& c : text) {
    if (c == '|') c = '\n';
  }
  return text;
}

TEST(SkinDescription, KnownAnswers) {
  testing::CheckAnswers(
      "skin_values.txt",
      {{"Colour", [](const auto& a) { return std::to_string(ParseSkinColour(a[0])); }},
       {"Flag", [](const auto& a) { return testing::Num(ParseSkinFlag(a[0])); }},
       {"Integer", [](const auto& a) { return std::to_string(ParseSkinInteger(a[0])); }},
       {"WriteColour", [](const auto& a) { return WriteSkinColour(static_cast<uint32_t>(std::stoul(a[0]))); }},
       {"Find", [](const auto& a) {
          SkinFamily family{};
          if (!SkinFamilyFromName(a[1], family)) return std::string("bad family");
          const SkinDescription skin = SkinDescription::Parse(Lines(a[0]));
          const std::string* value = skin.Find(family, a[2], a[3]);
          return value ? *value : std::string("<none>");
        }}});
}

// Random descriptions, keys drawn from an alphabet rich in the bytes the format treats
// specially, written and read back: every key keeps its value, none appears or goes.
TEST(SkinDescription, WrittenTextReadsBackProperty) {
  std::mt19937 random(26);
  const std::string alphabet = "ab =;[\"]\t\xB0\xA1";
  const auto word = [&](size_t min) {
    std::string text;
    const size_t length = min + random() % 6;
    for (size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    return text;
  };
  for (int round = 0; round < 300; ++round) {
    SkinDescription description;
    std::vector<std::tuple<SkinFamily, std::string, std::string, std::string>> model;
    for (int i = 0; i < 8; ++i) {
      const auto family = static_cast<SkinFamily>(random() % 4);
      const bool has_element = family == SkinFamily::kParent || family == SkinFamily::kChild;
      // What the format cannot hold is out of the model: quotes and edge blanks in element
      // names, a quote inside a key, values with edge blanks.
      std::string element = has_element ? "e" + std::to_string(random() % 3) : "";
      std::string key = word(1);
      if (key.find('"') != std::string::npos) continue;
      if (key.find_first_not_of(" \t") == std::string::npos) continue;
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
