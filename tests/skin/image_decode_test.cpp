// Skin pictures decoded to premultiplied BGRA: every generated diagnostic image, the sample
// GIF (first frame only), BMP and JPEG, and bytes that do not decode.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "skin/diag_skin.h"
#include "skin/image_decode.h"
#include "skin/skin_manifest.h"

namespace ruzi::skin {
namespace {

std::vector<uint8_t> ReadDiagFile(const std::string& name) {
  std::ifstream file(RUZI_FACE_DIAG_DIR "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

uint8_t Premultiplied(uint8_t channel, uint8_t alpha) { return static_cast<uint8_t>((channel * alpha + 127) / 255); }

// Every pixel within `tolerance` of the look, premultiplied when `alpha_kept`.
void ExpectFlat(const DecodedImage& image, const DiagImageLook& look, int tolerance, bool alpha_kept,
                const std::string& name) {
  ASSERT_EQ(image.error, "") << name;
  ASSERT_EQ(image.bgra.size(), static_cast<size_t>(image.width) * image.height * 4) << name;
  const uint8_t alpha = alpha_kept ? look.alpha : 0xFF;
  const uint8_t want[] = {Premultiplied(look.blue, alpha), Premultiplied(look.green, alpha),
                          Premultiplied(look.red, alpha), alpha};
  for (size_t i = 0; i < image.bgra.size(); ++i) {
    ASSERT_LE(std::abs(image.bgra[i] - want[i % 4]), tolerance) << name << " byte " << i;
  }
}

TEST(ImageDecode, EveryDiagnosticImageIsItsOwnFlatColour) {
  size_t images = 0;
  for (const ManifestEntry& entry : LibraryManifest()) {
    if (entry.kind != ManifestEntry::Kind::kImage) continue;
    ++images;
    const DecodedImage image = DecodeImage(ReadDiagFile("images/" + entry.attribute + ".png"));
    const DiagImageLook look = DiagImage(entry.attribute);
    EXPECT_EQ(image.width, look.width) << entry.attribute;
    EXPECT_EQ(image.height, look.height) << entry.attribute;
    ExpectFlat(image, look, 0, true, entry.attribute);
  }
  EXPECT_GT(images, 300u);
}

TEST(ImageDecode, SamplePictures) {
  ExpectFlat(DecodeImage(ReadDiagFile("sample.gif")), DiagImage("gif.SAMPLE"), 0, false, "gif");
  ExpectFlat(DecodeImage(ReadDiagFile("sample.bmp")), DiagImage("bmp.SAMPLE"), 0, false, "bmp");
  // JPEG loses a little even at full quality.
  ExpectFlat(DecodeImage(ReadDiagFile("sample.jpg")), DiagImage("jpg.SAMPLE"), 3, false, "jpg");
}

TEST(ImageDecode, BytesThatDoNotDecodeGiveATextAndNoPixels) {
  std::vector<uint8_t> png = ReadDiagFile("images/png.toolbar.bg.png");
  ASSERT_GT(png.size(), 40u);
  const std::vector<std::vector<uint8_t>> bad = {{}, {'x'}, {png.begin(), png.begin() + 40}};
  for (const auto& bytes : bad) {
    const DecodedImage image = DecodeImage(bytes);
    EXPECT_NE(image.error, "") << bytes.size();
    EXPECT_TRUE(image.bgra.empty());
    EXPECT_EQ(image.width, 0);
  }
}

std::vector<uint8_t> ReadCorpusFile(const std::string& name) {
  std::ifstream file(RUZI_FUZZ_CORPUS_DIR "/" + name, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

// Damaged files the fuzzers found. Each is refused with a text and no pixels (an empty wanted
// text takes any). Before stb's copy was mended the JPEG wrote past its Huffman arrays and the PNG
// asked for 2 GiB (the fuzz runs' memory limit stops that); the others passed for pictures of no size.
TEST(ImageDecode, DamagedFilesTheFuzzersFoundAreRefused) {
  const std::pair<const char*, const char*> cases[] = {
      {"decoded_graphic/png_failing_without_reason", "cannot decode"},
      {"decoded_graphic/gif_of_no_height", "image has no pixels"},
      {"decoded_graphic/png_chunk_longer_than_file", "outofdata"},
      {"image_decode/jpeg_huffman_overrun", ""}};
  for (const auto& [name, error] : cases) {
    const std::vector<uint8_t> bytes = ReadCorpusFile(name);
    ASSERT_GT(bytes.size(), 8u) << name;
    const DecodedImage image = DecodeImage(bytes);
    EXPECT_NE(image.error, "") << name;
    if (*error != '\0') {
      EXPECT_EQ(image.error, error) << name;
    }
    EXPECT_EQ(image.width, 0) << name;
    EXPECT_TRUE(image.bgra.empty()) << name;
  }
  // A damaged Huffman code read a symbol far outside stb's arrays (the sanitizers of this build
  // stop at that); mended, the JPEG decodes to what its bits give.
  const DecodedImage jpeg = DecodeImage(ReadCorpusFile("decoded_graphic/jpeg_huffman_symbol_out_of_range"));
  EXPECT_EQ(jpeg.error, "");
  EXPECT_EQ(jpeg.bgra.size(), static_cast<size_t>(jpeg.width) * jpeg.height * 4);
}

TEST(ImageDecode, PremultipliesAndSwapsRedAndBlue) {
  std::vector<uint8_t> pixels = {255, 0, 0, 128, 10, 20, 30, 255, 200, 100, 50, 0};
  PremultiplyToBgra(pixels);
  EXPECT_EQ(pixels, (std::vector<uint8_t>{0, 0, 128, 128, 30, 20, 10, 255, 0, 0, 0, 0}));
}

}  // namespace
}  // namespace ruzi::skin
