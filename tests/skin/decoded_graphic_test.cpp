// The PNG, GIF and JPEG pictures over the skin's decoder, on the diagnostic skin's generated
// files: each kind reads its own files and refuses the others, keeps the very bytes it read,
// copies independently, borrows the face library's image, and TPicture picks the kind by
// extension.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <memory>

#include "diag_pixels.h"
#include "error_text.h"
#include "ruzirareva/skin/skin_res_manager.h"
#include "ruzirareva/ui/gif_image.h"
#include "ruzirareva/ui/jpeg_image.h"
#include "ruzirareva/ui/picture.h"
#include "ruzirareva/ui/png_object.h"

namespace ruzi {
namespace {

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
  EXPECT_TRUE(testing::NearPixel(bgra, testing::DiagPixel(skin::DiagImage(look), bgra[3] != 0xFF), tolerance)) << look;
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
      EXPECT_EQ(picture->Width(), file.side ? file.side : skin::DiagImage(file.look).width) << kind.name;
      EXPECT_EQ(picture->Height(), file.side ? file.side : skin::DiagImage(file.look).height) << kind.name;
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

TEST(DecodedGraphic, AFailedReadLeavesThePictureAsItWas) {
  TPNGObject png;
  png.LoadFromFile(kPng);
  const std::string before = png.SaveToBytes();
  const std::string cases[][2] = {
      {"", "not a PNG picture"}, {before.substr(0, 40), "PNG picture does not decode: "}, {"GIF89a", "not a PNG picture"}};
  for (const auto& [bytes, text] : cases) {
    EXPECT_EQ(testing::ErrorOf([&] { png.LoadFromBytes(bytes); }).substr(0, text.size()), text) << bytes.size();
    EXPECT_EQ(png.SaveToBytes(), before);
  }
  EXPECT_EQ(testing::ErrorOf([&] { png.LoadFromFile(kDiag + "no_such.png"); }),
            "Cannot load picture " + kDiag + "no_such.png: cannot read the file");
  EXPECT_EQ(png.SaveToBytes(), before);
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
}  // namespace ruzi
