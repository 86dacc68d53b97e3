// skin-generator: writes the resources of one face library (the skin description, a PNG per
// manifest image, the sample GIF/JPEG/BMP/ICO pictures) and the .rc file that binds them.
//   skin-generator --manifest FILE --out DIR --skin SOURCE   a hand-made skin
//   skin-generator --manifest FILE --out DIR --diag          the diagnostic skin
// A skin lacking a manifest entry is an error: each missing entry is printed and the exit
// code is 1, which fails the build.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

#include "image_rules.h"
#include "picture_files.h"
#include "skin/diag_skin.h"
#include "skin/skin_manifest.h"

namespace ruzi::skin_generator {
namespace {

using skin::ManifestEntry;

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) throw std::runtime_error("cannot read " + path);
  std::ostringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

struct Skin {
  skin::SkinDescription description;
  std::map<std::string, Picture> images;  // by resource name
  // Resources of type PNG that are not pictures at all, by name: their bytes.
  std::map<std::string, std::string> broken_images;
};

Picture DiagPicture(const std::string& name, int width = 0, int height = 0) {
  const skin::DiagImageLook look = skin::DiagImage(name);
  return FlatPicture(width ? width : look.width, height ? height : look.height, look.red, look.green, look.blue,
                     look.alpha);
}

Skin DiagSkin(const std::vector<ManifestEntry>& manifest) {
  Skin skin;
  for (const ManifestEntry& entry : manifest) {
    switch (entry.kind) {
      case ManifestEntry::Kind::kImage:
        skin.images[entry.attribute] = DiagPicture(entry.attribute);
        break;
      case ManifestEntry::Kind::kColour:
        skin.description.Set(entry.family, entry.element, entry.attribute,
                             skin::WriteSkinColour(skin::DiagColour(entry.family, entry.element, entry.attribute)));
        break;
      case ManifestEntry::Kind::kFlag:
        skin.description.Set(entry.family, entry.element, entry.attribute,
                             skin::DiagFlag(entry.family, entry.element, entry.attribute) ? "1" : "0");
        break;
      case ManifestEntry::Kind::kText:
        skin.description.Set(entry.family, entry.element, entry.attribute,
                             skin::DiagText(entry.family, entry.element, entry.attribute));
        break;
    }
  }
  // An answer longer than a caller's first buffer, and a PNG resource that does not decode:
  // the paths callers take when something does not fit.
  skin.description.Set(skin::SkinFamily::kRoot, "", "diag.long", std::string(300, 'L'));
  skin.broken_images["png.diag.broken"] = std::string("\x89PNG\r\n\x1a\n", 8) + "not a picture";
  return skin;
}

// A hand-made skin: its description, then a line "[images]" and the image rules.
Skin HandMadeSkin(const std::vector<ManifestEntry>& manifest, const std::string& source_path) {
  const std::string source = ReadFile(source_path);
  const size_t images = source.find("\n[images]");
  if (images == std::string::npos) throw std::runtime_error(source_path + ": no [images] section");
  Skin skin;
  skin.description = skin::SkinDescription::Parse(std::string_view(source).substr(0, images + 1));
  const std::vector<ImageRule> rules = ParseImageRules(std::string_view(source).substr(images + 9));
  const std::vector<std::string> missing = skin::MissingSkinEntries(
      manifest, skin.description, [&rules](const std::string& name) { return FindRule(rules, name) != nullptr; });
  if (!missing.empty()) {
    for (const std::string& line : missing) std::cerr << source_path << " lacks: " << line << "\n";
    throw std::runtime_error(source_path + ": " + std::to_string(missing.size()) + " manifest entries missing");
  }
  for (const ManifestEntry& entry : manifest) {
    if (entry.kind == ManifestEntry::Kind::kImage) skin.images[entry.attribute] = DrawRule(*FindRule(rules, entry.attribute));
  }
  return skin;
}

void WriteResources(const Skin& skin, const std::filesystem::path& out) {
  std::filesystem::create_directories(out / "images");
  std::ofstream(out / "skin.txt", std::ios::binary) << skin.description.Write();
  std::ostringstream rc;
  rc << "SKIN RCDATA \"skin.txt\"\n";
  for (const auto& [name, picture] : skin.images) {
    WritePng((out / "images" / (name + ".png")).string(), picture);
    rc << name << " PNG \"images/" << name << ".png\"\n";
  }
  for (const auto& [name, bytes] : skin.broken_images) {
    std::ofstream(out / "images" / (name + ".png"), std::ios::binary) << bytes;
    rc << name << " PNG \"images/" << name << ".png\"\n";
  }
  // The samples every face library carries for the resource library's loaders; their
  // colours come from the diagnostic derivation under the names "<kind>.SAMPLE".
  WriteGif((out / "sample.gif").string(), {DiagPicture("gif.SAMPLE"), DiagPicture("gif.SAMPLE.2", 0, 0)});
  WriteJpeg((out / "sample.jpg").string(), DiagPicture("jpg.SAMPLE", 16, 16));
  WriteBmp((out / "sample.bmp").string(), DiagPicture("bmp.SAMPLE"));
  WriteIco((out / "sample.ico").string(), DiagPicture("ico.SAMPLE", 16, 16));
  rc << "SAMPLE GIF \"sample.gif\"\nSAMPLE Jpg \"sample.jpg\"\nSAMPLE BMP \"sample.bmp\"\n"
     << "SAMPLE BITMAP \"sample.bmp\"\nSAMPLE ICON \"sample.ico\"\n";
  const std::string* facetype = skin.description.Find(skin::SkinFamily::kRoot, "", "facetype");
  rc << "STRINGTABLE\nBEGIN\n  1, \"" << (facetype ? *facetype : "") << "\"\n  2, \"face string two\"\nEND\n";
  std::ofstream(out / "face.rc", std::ios::binary) << rc.str();
}

int Run(int argc, char** argv) {
  std::map<std::string, std::string> options;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    if (arg == "--diag") {
      options[arg] = "1";
    } else if (i + 1 < argc) {
      options[arg] = argv[++i];
    }
  }
  if (!options.count("--manifest") || !options.count("--out") || options.count("--skin") == options.count("--diag")) {
    std::cerr << "usage: skin-generator --manifest FILE --out DIR (--skin SOURCE | --diag)\n";
    return 2;
  }
  const std::vector<ManifestEntry> manifest = skin::ParseManifest(ReadFile(options["--manifest"]));
  const Skin skin = options.count("--diag") ? DiagSkin(manifest) : HandMadeSkin(manifest, options["--skin"]);
  WriteResources(skin, options["--out"]);
  return 0;
}

}  // namespace
}  // namespace ruzi::skin_generator

int main(int argc, char** argv) {
  try {
    return ruzi::skin_generator::Run(argc, argv);
  } catch (const std::exception& error) {
    std::cerr << "skin-generator: " << error.what() << "\n";
    return 1;
  }
}
