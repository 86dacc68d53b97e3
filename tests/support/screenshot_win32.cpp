#include <windows.h>

#include "screenshot.h"
#include "test_paths.h"

namespace ruzi::testing {

Picture CaptureWindow(void* hwnd) { return CaptureWindowPicture(static_cast<HWND>(hwnd), false); }

std::string SaveScreenshot(const Picture& picture, const std::string& name) {
  std::string path = ScreenshotFolder() + name + ".png";
  return SaveWindowPicture(picture, path) ? path : "";
}

}  // namespace ruzi::testing
