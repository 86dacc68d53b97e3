// The skin's portable parts: known answers (tests/data/skin_values.txt) of skin descriptions,
// manifests, the library a facetype names, the loose-file folder and the PNG placement; random
// descriptions written and read back; the manifest compiled into the library (the sources'
// manifest, each entry once) and the diagnostic skin generated from it (every colour key its own
// explicit colour, the description holding the derived values, every picture decoding to its
// premultiplied BGRA); and bytes that do not decode refused. The PNG, GIF and JPEG pictures over
// the decoder: each kind reads its own files and refuses the others, keeps the very bytes it
// read (a failed read leaves them), copies independently, borrows the face library's image, and
// TPicture picks the kind by extension.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <memory>
#include <map>
#include <random>
#include <set>

#include "diag_pixels.h"
#include "error_text.h"
#include "ruzirareva/skin/skin_res_manager.h"
#include "ruzirareva/ui/gif_image.h"
#include "ruzirareva/ui/jpeg_image.h"
#include "ruzirareva/ui/picture.h"
#include "ruzirareva/ui/png_object.h"
#include "ruzirareva/skin/face_interface.h"
#include "skin/image_decode.h"
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


// The library carries the sources' manifest, each entry once (a name listed twice would let a
// skin "cover" fewer entries than the count suggests); the generated description holds every
// key's derived value, each colour key its own explicit colour, flags both values.
TEST(DiagSkin, GeneratedDescriptionHoldsTheDerivedValues) {
  const std::vector<ManifestEntry> source = ParseManifest(testing::FileBytes(RUZI_FACE_SOURCE_DIR "/manifest.txt"));
  ASSERT_EQ(LibraryManifest().size(), source.size());
  const SkinDescription skin = SkinDescription::Parse(testing::FileBytes(RUZI_FACE_DIAG_DIR "/skin.txt"));
  std::set<std::string> lines;
  std::map<uint32_t, std::string> owners;
  size_t keys = 0;
  for (size_t i = 0; i < source.size(); ++i) {
    const ManifestEntry& entry = LibraryManifest()[i];
    const std::string line = ManifestLine(entry);
    EXPECT_EQ(line, ManifestLine(source[i]));
    EXPECT_TRUE(lines.insert(line).second) << line;
    if (entry.kind == ManifestEntry::Kind::kImage) continue;
    ++keys;
    const std::string* value = skin.Find(entry.family, entry.element, entry.attribute);
    ASSERT_NE(value, nullptr) << line;
    const uint32_t colour = DiagColour(entry.family, entry.element, entry.attribute);
    const std::string want =
        entry.kind == ManifestEntry::Kind::kColour ? WriteSkinColour(colour)
        : entry.kind == ManifestEntry::Kind::kFlag ? (DiagFlag(entry.family, entry.element, entry.attribute) ? "1" : "0")
                                                   : DiagText(entry.family, entry.element, entry.attribute);
    EXPECT_EQ(*value, want) << line;
    if (entry.kind != ManifestEntry::Kind::kColour) continue;
    EXPECT_EQ(colour & 0xFF000000u, 0u) << line;
    const auto [owner, fresh] = owners.emplace(colour, line);
    EXPECT_TRUE(fresh) << line << " shares its colour with " << owner->second;
  }
  EXPECT_TRUE(lines.count("colour\tchild\tdbgrideh\ttitlefontcolor "));
  EXPECT_TRUE(lines.count("image\tpng.button_green_new.normal_mid.left.focus"));
  // The keys a careless caller would confuse.
  EXPECT_NE(DiagColour(SkinFamily::kChild, "dbgrideh", "titlefontcolor "), DiagColour(SkinFamily::kChild, "dbgrideh", "titlefontcolor"));
  EXPECT_NE(DiagColour(SkinFamily::kChild, "mainform", "formbgcolor"), DiagColour(SkinFamily::kParent, "mainform", "formbgcolor"));
  EXPECT_NE(DiagColour(SkinFamily::kChild, "ab", "c"), DiagColour(SkinFamily::kChild, "a", "bc"));
  int set = 0;
  for (int i = 0; i < 64; ++i) set += DiagFlag(SkinFamily::kChild, "e" + std::to_string(i), "transparent");
  EXPECT_TRUE(set > 8 && set < 56) << set;
  EXPECT_EQ(DiagText(SkinFamily::kRoot, "", "facetype"), "diag");
  // Beside the manifest only the long answer the string queries are tried with.
  ASSERT_NE(skin.Find(SkinFamily::kRoot, "", "diag.long"), nullptr);
  EXPECT_EQ(skin.Size(), keys + 1);
}

DecodedImage Decode(const std::string& path) {
  const std::string bytes = testing::FileBytes(path);
  return DecodeImage({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
}

// Every pixel the look's, of the look's size unless `side` says otherwise.
void ExpectFlat(const DecodedImage& image, const DiagImageLook& look, bool alpha_kept, const std::string& name,
                int tolerance = 0, int side = 0) {
  ASSERT_EQ(image.error, "") << name;
  EXPECT_EQ(image.width, side ? side : look.width) << name;
  EXPECT_EQ(image.height, side ? side : look.height) << name;
  ASSERT_EQ(image.bgra.size(), static_cast<size_t>(image.width) * image.height * 4) << name;
  for (size_t i = 0; i < image.bgra.size(); i += 4) {
    ASSERT_TRUE(testing::NearPixel(&image.bgra[i], testing::DiagPixel(look, alpha_kept), tolerance)) << name << " " << i;
  }
}

TEST(ImageDecode, EveryDiagnosticImageAndSampleIsItsOwnFlatColour) {
  size_t images = 0;
  for (const ManifestEntry& entry : LibraryManifest()) {
    if (entry.kind != ManifestEntry::Kind::kImage) continue;
    ++images;
    ExpectFlat(Decode(RUZI_FACE_DIAG_DIR "/images/" + entry.attribute + ".png"), DiagImage(entry.attribute), true,
               entry.attribute);
  }
  EXPECT_GT(images, 300u);
  ExpectFlat(Decode(RUZI_FACE_DIAG_DIR "/sample.gif"), DiagImage("gif.SAMPLE"), false, "gif");
  ExpectFlat(Decode(RUZI_FACE_DIAG_DIR "/sample.bmp"), DiagImage("bmp.SAMPLE"), false, "bmp");
  ExpectFlat(Decode(RUZI_FACE_DIAG_DIR "/sample.jpg"), DiagImage("jpg.SAMPLE"), false, "jpg", 3, 16);
}

// Each is refused with a text and no pixels (an empty wanted text takes any). Past the first
// three come damaged files the fuzzers found: before stb's copy was mended the JPEG wrote past
// its Huffman arrays and the PNG asked for 2 GiB (the fuzz runs' memory limit stops that); the
// others passed for pictures of no size.
TEST(ImageDecode, BytesThatDoNotDecodeGiveATextAndNoPixelsAndLeaveAPictureAsItWas) {
  const std::string png = testing::FileBytes(RUZI_FACE_DIAG_DIR "/images/png.toolbar.bg.png");
  const std::string corpus = RUZI_FUZZ_CORPUS_DIR "/";
  const std::pair<std::string, const char*> cases[] = {
      {"", ""}, {"x", ""}, {png.substr(0, 40), ""},
      {testing::FileBytes(corpus + "decoded_graphic/png_failing_without_reason"), "cannot decode"},
      {testing::FileBytes(corpus + "decoded_graphic/gif_of_no_height"), "image has no pixels"},
      {testing::FileBytes(corpus + "decoded_graphic/png_chunk_longer_than_file"), "outofdata"},
      {testing::FileBytes(corpus + "image_decode/jpeg_huffman_overrun"), ""}};
  TPNGObject picture;
  picture.LoadFromFile(RUZI_FACE_DIAG_DIR "/images/png.toolbar.bg.png");
  for (const auto& [bytes, error] : cases) {
    const DecodedImage image = DecodeImage({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()});
    const std::string refusal = testing::ErrorOf([&] { picture.LoadFromBytes(bytes); });
    EXPECT_TRUE(refusal == "not a PNG picture" || refusal == "PNG picture does not decode: " + image.error) << refusal;
    EXPECT_EQ(picture.SaveToBytes(), png) << "a failed read keeps the picture";
    EXPECT_NE(image.error, "") << bytes.size();
    if (*error != '\0') {
      EXPECT_EQ(image.error, error);
    }
    EXPECT_EQ(image.width, 0) << bytes.size();
    EXPECT_TRUE(image.bgra.empty()) << bytes.size();
  }
  // A damaged Huffman code read a symbol far outside stb's arrays (the sanitizers of this build
  // stop at that); mended, the JPEG decodes to what its bits give.
  EXPECT_EQ(testing::ErrorOf([&] { picture.LoadFromFile(corpus + "no_such.png"); }),
            "Cannot load picture " + corpus + "no_such.png: cannot read the file");
  const DecodedImage jpeg = Decode(corpus + "decoded_graphic/jpeg_huffman_symbol_out_of_range");
  EXPECT_EQ(jpeg.error, "");
  EXPECT_EQ(jpeg.bgra.size(), static_cast<size_t>(jpeg.width) * jpeg.height * 4);
}

TEST(ImageDecode, PremultipliesRoundingToNearestAndSwapsRedAndBlue) {
  std::vector<uint8_t> pixels = {255, 0, 0, 128, 10, 20, 30, 255, 200, 100, 50, 0, 1, 100, 200, 200};
  PremultiplyToBgra(pixels);
  EXPECT_EQ(pixels, (std::vector<uint8_t>{0, 0, 128, 128, 30, 20, 10, 255, 0, 0, 0, 0, 157, 78, 1, 200}));
}

const std::string kDiag = RUZI_FACE_DIAG_DIR "/";
const std::string kPng = kDiag + "images/png.toolbar.bg.png";

struct Kind {
  const char* name;
  std::function<TDecodedGraphic*()> make;
  std::string file;
  const char* look;  // the diagnostic name the file's colour and size derive from
  int tolerance;     // JPEG loses a little
  int side;          // the sample's own size, when not the look's
};

const Kind kKinds[] = {
    {"PNG", [] { return new TPNGObject; }, kPng, "png.toolbar.bg", 0, 0},
    {"GIF", [] { return new TGIFImage; }, kDiag + "sample.gif", "gif.SAMPLE", 0, 0},
    {"JPEG", [] { return new TJPEGImage; }, kDiag + "sample.jpg", "jpg.SAMPLE", 3, 16},
};

// The first pixel against the look (the samples are opaque whatever their look's alpha).
void ExpectLook(const TDecodedGraphic& picture, const char* look, int tolerance = 0) {
  ASSERT_NE(picture.Image(), nullptr) << look;
  const uint8_t* bgra = picture.Image()->bgra;
  EXPECT_TRUE(testing::NearPixel(bgra, testing::DiagPixel(DiagImage(look), bgra[3] != 0xFF), tolerance)) << look;
}

TEST(DecodedGraphic, EachKindReadsItsOwnFilesAndRefusesTheOthersAndTPictureReadsItByExtension) {
  for (const Kind& kind : kKinds) {
    for (const Kind& file : kKinds) {
      std::unique_ptr<TDecodedGraphic> picture(kind.make());
      if (&kind != &file) {
        EXPECT_EQ(testing::ErrorOf([&] { picture->LoadFromFile(file.file); }),
                  "Cannot load picture " + file.file + ": not a " + kind.name + " picture");
        EXPECT_TRUE(picture->Empty() && picture->Width() == 0) << kind.name << " reading " << file.name;
        continue;
      }
      picture->LoadFromFile(file.file);
      EXPECT_EQ(picture->SaveToBytes(), testing::FileBytes(file.file)) << kind.name << " keeps the file it read";
      ExpectLook(*picture, file.look, file.tolerance);
      const DiagImageLook look = DiagImage(file.look);
      EXPECT_EQ(Text(picture->Width(), picture->Height()), file.side ? Text(file.side, file.side) : Text(look.width, look.height));
      TPicture by_extension;
      by_extension.LoadFromFile(file.file);
      EXPECT_EQ(by_extension.Graphic()->ClassName(), picture->ClassName());
    }
  }
  const std::string jpeg_copy = ::testing::TempDir() + "decoded_graphic_sample.JPEG";
  std::ofstream(jpeg_copy, std::ios::binary) << testing::FileBytes(kKinds[2].file);
  TPicture picture;
  picture.LoadFromFile(jpeg_copy);
  EXPECT_NE(dynamic_cast<TJPEGImage*>(picture.Graphic()), nullptr);
  std::remove(jpeg_copy.c_str());
}

// Clone, Assign and Skinresmanager::CopyPng copy the bytes and decode anew; FromFaceImage borrows.
TEST(DecodedGraphic, CopiesAreIndependentAndKeepTheirClass) {
  TGIFImage gif;
  gif.LoadFromFile(kKinds[1].file);
  std::unique_ptr<TGraphic> clone(gif.Clone());
  ASSERT_NE(dynamic_cast<TGIFImage*>(clone.get()), nullptr);
  TGIFImage assigned;
  assigned.Assign(&gif);
  TPNGObject png, copied;
  png.LoadFromFile(kPng);
  Skinresmanager::CopyPng(&copied, &png);
  TPicture picture;
  Skinresmanager::CopyPng(&picture, &png);
  ASSERT_NE(dynamic_cast<TPNGObject*>(picture.Graphic()), nullptr);
  gif.LoadFromBytes(testing::FileBytes(kKinds[1].file));  // a new decode: new buffers
  const std::pair<TGraphic*, TDecodedGraphic*> copies[] = {
      {clone.get(), &gif}, {&assigned, &gif}, {&copied, &png}, {picture.Graphic(), &png}};
  for (const auto& [copy, source] : copies) {
    auto* decoded = dynamic_cast<TDecodedGraphic*>(copy);
    EXPECT_NE(decoded->Image()->bgra, source->Image()->bgra);
    EXPECT_EQ(decoded->SaveToBytes(), source->SaveToBytes());
    ExpectLook(*decoded, source == &gif ? "gif.SAMPLE" : "png.toolbar.bg");
  }
  EXPECT_THROW(png.Assign(&gif), Error) << "a GIF is no PNG";
  TPNGObject untouched;
  Skinresmanager::CopyPng(&untouched, nullptr);
  Skinresmanager::CopyPng(static_cast<TPNGObject*>(nullptr), &png);
  EXPECT_TRUE(untouched.Empty());
  // A view borrows the face library's image; one that did not decode, or none, leaves it empty.
  untouched.FromFaceImage(png.Image());
  EXPECT_EQ(untouched.Image(), png.Image()) << "borrowed, not copied";
  EXPECT_EQ(untouched.SaveToBytes(), testing::FileBytes(kPng));
  const FaceImage broken{0, 0, nullptr, nullptr, 0, "bad"};
  for (const FaceImage* image : {&broken, static_cast<const FaceImage*>(nullptr)}) {
    untouched.FromFaceImage(image);
    EXPECT_TRUE(untouched.Empty());
  }
}

}  // namespace
}  // namespace ruzi::skin
