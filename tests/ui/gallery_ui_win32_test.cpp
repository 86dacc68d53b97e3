// `ruzi ui gallery --shot` photographed inside Wine virtual desktops and read back pixel by
// pixel: at 1024 x 768 every cell's caption and the gaps between cells sit where the design puts
// them (nothing zoomed); at 1280 x 1024 the same cells sit 4/3 further out; --rate 50 halves
// them, --rate 125 makes them 5/4. No instance covers a caption at any of these sizes. The
// pictures stay in <build>/screenshots/.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "foundation/class_registry.h"
#include "platform/paths.h"
#include "platform/text_encoding.h"
#include "skin/image_decode.h"
#include "test_paths.h"
#include "ui/color.h"
#include "ui/form_zoom.h"
#include "ui/gallery.h"
#include "ui/ui_classes.h"
#include "ui_window_pixels_win32.h"

namespace ruzi {
namespace {

// Runs the gallery in a virtual desktop of `size` ("1024x768") and answers the picture.
skin::DecodedImage Photograph(const std::string& name, const std::string& size, const std::string& options) {
  const std::string shot = testing::ScreenshotFolder() + name + ".png";
  DeleteFileW(platform::GbkToWide(shot).c_str());
  std::wstring command = platform::GbkToWide("explorer.exe /desktop=" + name + "," + size + " \"" +
                                             platform::ExecutableDirectory() + "ruzi.exe\" ui gallery " + options +
                                             " --shot \"" + shot + "\"");
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    ADD_FAILURE() << "cannot start " << name << ": " << GetLastError();
    return {};
  }
  WaitForSingleObject(process.hProcess, 60000);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  // The desktop's explorer may return before the gallery is done.
  for (int wait = 0; wait < 600 && GetFileAttributesW(platform::GbkToWide(shot).c_str()) == INVALID_FILE_ATTRIBUTES;
       ++wait) {
    Sleep(100);
  }
  Sleep(200);  // the last bytes written
  std::ifstream file(shot, std::ios::binary);
  const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  skin::DecodedImage image = skin::DecodeImage(bytes);
  EXPECT_TRUE(image.error.empty()) << shot << ": " << image.error;
  return image;
}

uint32_t Rgb(const skin::DecodedImage& image, int x, int y) {
  if (x < 0 || y < 0 || x >= image.width || y >= image.height) return 0xFF000000;  // outside: never a colour
  const uint8_t* pixel = &image.bgra[(static_cast<size_t>(y) * image.width + x) * 4];
  return (uint32_t{pixel[2]} << 16) | (uint32_t{pixel[1]} << 8) | pixel[0];
}

uint32_t Expected(TColor color) { return testing::RgbOf(ColorToRGB(color)); }

// Every cell's caption and the gap below every cell, at `factor` times the design; only the
// cells wholly on a screen of `screen` (beyond it the picture holds no pixels of the window).
void ExpectCells(const skin::DecodedImage& image, double factor, TSize screen) {
  RegisterUiClasses();
  const auto classes = RegisteredClasses();
  const TGalleryGrid grid = GalleryGrid(static_cast<int>(classes.size()), kGallerySize);
  ASSERT_EQ(image.width, ZoomRound(kGallerySize.cx * factor));
  ASSERT_EQ(image.height, ZoomRound(kGallerySize.cy * factor));
  const auto at = [&](int value) { return ZoomRound(value * factor); };
  for (size_t index = 0; index < classes.size(); ++index) {
    const TRect cell = GalleryCellRect(grid, static_cast<int>(index));
    if (at(cell.Right) > screen.cx || at(cell.Bottom) + 2 > screen.cy) continue;
    // The caption band: mostly its colour around the name's text.
    int caption_pixels = 0, all = 0;
    for (int y = at(cell.Top); y < at(cell.Top + kGalleryCaptionHeight); ++y) {
      for (int x = at(cell.Left); x < at(cell.Right); ++x, ++all) {
        caption_pixels += Rgb(image, x, y) == Expected(kGalleryCaptionColor) ? 1 : 0;
      }
    }
    EXPECT_GT(caption_pixels * 2, all) << "caption of " << classes[index]->Name;
    EXPECT_EQ(Rgb(image, at(cell.Left) + 2, at(cell.Bottom) + 1), Expected(kGalleryBackground))
        << "gap below " << classes[index]->Name;
    if (std::string(classes[index]->Name) == "TDBGridEh") {
      // Right in the first column's title (56 wide, the title row 18 high: neither zoomed).
      EXPECT_EQ(Rgb(image, at(cell.Left + 50), at(cell.Top + kGalleryCaptionHeight + 1) + 4), Expected(clBtnFace))
          << "the grid's title row on its fixed colour";
    }
  }
}

// One after the other: desktops made at the same moment by two tests were seen to mix sizes.
TEST(GalleryUi, UnchangedAt1024x768ZoomedAt1280x1024HalvedByRate) {
  const TSize any{1 << 20, 1 << 20};
  const struct {
    const char* name;
    const char* size;
    const char* options;
    double factor;
    TSize screen;
  } shots[] = {{"gallery_1024x768", "1024x768", "", 1.0, any},
               {"gallery_1280x1024", "1280x1024", "", 1024.0 / 768, any},
               {"gallery_1024x768_rate50", "1024x768", "--rate 50", 0.5, any},
               {"gallery_1024x768_rate125", "1024x768", "--rate 125", 1.25, {1024, 768}}};
  for (const auto& shot : shots) {
    SCOPED_TRACE(shot.name);
    ExpectCells(Photograph(shot.name, shot.size, shot.options), shot.factor, shot.screen);
  }
}

}  // namespace
}  // namespace ruzi
