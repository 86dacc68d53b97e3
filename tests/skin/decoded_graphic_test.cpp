// The PNG, GIF and JPEG pictures over the diagnostic skin's generated files: each kind reads
// its own files and refuses the others, keeps the very bytes it read, copies independently,
// and TPicture picks the kind by extension.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "error_text.h"
#include "ruzirareva/skin/skin_res_manager.h"
#include "ruzirareva/ui/gif_image.h"
#include "ruzirareva/ui/jpeg_image.h"
#include "ruzirareva/ui/picture.h"
#include "ruzirareva/ui/png_object.h"
#include "skin/diag_skin.h"

namespace ruzi {
namespace {

const std::string kDiag = RUZI_FACE_DIAG_DIR "/";
const std::string kPng = kDiag + "images/png.toolbar.bg.png";

std::string ReadFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), {}};
}

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

// The first pixel against the look, premultiplied (0xAARRGGBB compared channel by channel).
void ExpectLook(const TDecodedGraphic& picture, const char* look_name, int tolerance) {
  const skin::DiagImageLook look = skin::DiagImage(look_name);
  const FaceImage* image = picture.Image();
  ASSERT_NE(image, nullptr) << look_name;
  const int alpha = image->bgra[3];
  const int want[] = {(look.blue * alpha + 127) / 255, (look.green * alpha + 127) / 255,
                      (look.red * alpha + 127) / 255};
  for (int i = 0; i < 3; ++i) EXPECT_LE(std::abs(image->bgra[i] - want[i]), tolerance) << look_name << " " << i;
}

TEST(DecodedGraphic, EachKindReadsItsOwnFilesAndRefusesTheOthers) {
  for (const Kind& kind : kKinds) {
    for (const Kind& file : kKinds) {
      std::unique_ptr<TDecodedGraphic> picture(kind.make());
      if (&kind == &file) {
        picture->LoadFromFile(file.file);
        EXPECT_FALSE(picture->Empty()) << kind.name;
        EXPECT_EQ(picture->SaveToBytes(), ReadFile(file.file)) << kind.name << " keeps the file it read";
        ExpectLook(*picture, file.look, file.tolerance);
        const skin::DiagImageLook look = skin::DiagImage(file.look);
        EXPECT_EQ(picture->Width(), file.side ? file.side : look.width) << kind.name;
        EXPECT_EQ(picture->Height(), file.side ? file.side : look.height) << kind.name;
      } else {
        EXPECT_EQ(testing::ErrorOf([&] { picture->LoadFromFile(file.file); }),
                  "Cannot load picture " + file.file + ": not a " + kind.name + " picture")
            << kind.name << " reading " << file.name;
        EXPECT_TRUE(picture->Empty());
        EXPECT_EQ(picture->Width(), 0);
      }
    }
  }
}

TEST(DecodedGraphic, AFailedReadLeavesThePictureAsItWas) {
  TPNGObject png;
  png.LoadFromFile(kPng);
  const std::string before = png.SaveToBytes();
  const std::string truncated = before.substr(0, 40);
  const std::string cases[][2] = {
      {"", "not a PNG picture"},
      {truncated, "PNG picture does not decode: "},
      {"GIF89a", "not a PNG picture"},
  };
  for (const auto& [bytes, text] : cases) {
    const std::string message = testing::ErrorOf([&] { png.LoadFromBytes(bytes); });
    EXPECT_EQ(message.substr(0, text.size()), text) << bytes.size();
    EXPECT_EQ(png.SaveToBytes(), before);
  }
  EXPECT_EQ(testing::ErrorOf([&] { png.LoadFromFile(kDiag + "no_such.png"); }),
            "Cannot load picture " + kDiag + "no_such.png: cannot read the file");
  EXPECT_EQ(png.SaveToBytes(), before);
}

TEST(DecodedGraphic, CopiesAreIndependentAndKeepTheirClass) {
  TGIFImage gif;
  gif.LoadFromFile(kKinds[1].file);
  std::unique_ptr<TGraphic> clone(gif.Clone());
  ASSERT_NE(dynamic_cast<TGIFImage*>(clone.get()), nullptr);
  TGIFImage assigned;
  assigned.Assign(&gif);
  gif.LoadFromBytes(ReadFile(kDiag + "sample.gif"));  // a new decode: new buffers
  for (TGraphic* copy : {clone.get(), static_cast<TGraphic*>(&assigned)}) {
    auto* decoded = dynamic_cast<TDecodedGraphic*>(copy);
    ASSERT_NE(decoded->Image(), gif.Image());
    EXPECT_NE(decoded->Image()->bgra, gif.Image()->bgra);
    EXPECT_EQ(decoded->SaveToBytes(), gif.SaveToBytes());
    ExpectLook(*decoded, "gif.SAMPLE", 0);
  }
  TPNGObject png;
  EXPECT_THROW(png.Assign(&gif), Error) << "a GIF is no PNG";
}

TEST(DecodedGraphic, BorrowsTheFaceLibrarysImage) {
  TPNGObject source;
  source.LoadFromFile(kPng);
  TPNGObject view;
  view.FromFaceImage(source.Image());
  EXPECT_EQ(view.Image(), source.Image()) << "borrowed, not copied";
  EXPECT_EQ(view.SaveToBytes(), ReadFile(kPng));
  const FaceImage broken{0, 0, nullptr, nullptr, 0, "bad"};
  view.FromFaceImage(&broken);
  EXPECT_TRUE(view.Empty()) << "an image that did not decode is empty";
  view.FromFaceImage(nullptr);
  EXPECT_TRUE(view.Empty());
}

TEST(DecodedGraphic, PictureReadsTheKindItsExtensionNames) {
  const std::string jpeg_copy = ::testing::TempDir() + "decoded_graphic_sample.JPEG";
  std::ofstream(jpeg_copy, std::ios::binary) << ReadFile(kKinds[2].file);
  const struct {
    std::string path;
    const char* class_name;
  } cases[] = {{kPng, "TPNGObject"}, {kKinds[1].file, "TGIFImage"}, {kKinds[2].file, "TJPEGImage"},
               {jpeg_copy, "TJPEGImage"}};
  for (const auto& c : cases) {
    TPicture picture;
    picture.LoadFromFile(c.path);
    ASSERT_NE(picture.Graphic(), nullptr) << c.path;
    EXPECT_EQ(picture.Graphic()->ClassName(), c.class_name);
    EXPECT_GT(picture.Width(), 0);
  }
  std::remove(jpeg_copy.c_str());
}

TEST(DecodedGraphic, CopyPngReadsTheSourcesFile) {
  TPNGObject source;
  source.LoadFromFile(kPng);
  TPNGObject dest;
  Skinresmanager::CopyPng(&dest, &source);
  EXPECT_EQ(dest.SaveToBytes(), source.SaveToBytes());
  EXPECT_NE(dest.Image()->bgra, source.Image()->bgra);
  TPicture picture;
  Skinresmanager::CopyPng(&picture, &source);
  auto* held = dynamic_cast<TPNGObject*>(picture.Graphic());
  ASSERT_NE(held, nullptr);
  EXPECT_EQ(held->SaveToBytes(), source.SaveToBytes());
  TPNGObject untouched;
  Skinresmanager::CopyPng(&untouched, nullptr);
  Skinresmanager::CopyPng(static_cast<TPNGObject*>(nullptr), &source);
  EXPECT_TRUE(untouched.Empty());
}

}  // namespace
}  // namespace ruzi
