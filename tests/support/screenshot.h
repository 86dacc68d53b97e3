#pragma once
// Pictures of real windows for UI tests (the library's window pictures), written as PNG under
// the build tree for a person to look at.
#include <string>

#include "ui/window_picture.h"

namespace ruzi::testing {

using Picture = TWindowPicture;

// hwnd is a window handle; the picture covers the whole window, frame included.
Picture CaptureWindow(void* hwnd);
// Writes <build>/screenshots/<name>.png; returns the path, "" when writing failed.
std::string SaveScreenshot(const Picture& picture, const std::string& name);

}  // namespace ruzi::testing
