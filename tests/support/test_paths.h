#pragma once
// Folders the tests work in: a fresh folder per test under the build tree, and the folder
// where screenshots are written for a person to look at.
#include <string>

namespace ruzi::testing {

// A new empty folder for the calling test, ending with the path separator.
std::string FreshTestFolder(const std::string& name);
// Today's local date as log file names carry it: "yyyy-mm-dd".
std::string TodayText();
// <build>/screenshots/, created on demand, ending with the separator.
std::string ScreenshotFolder();

}  // namespace ruzi::testing
