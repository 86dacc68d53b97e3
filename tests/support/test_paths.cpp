#include "test_paths.h"

#include <cstdio>
#include <filesystem>

#include "platform/clock.h"
#include "platform/paths.h"

namespace ruzi::testing {
namespace {

// Tests run with bin/ as their folder; the build tree is its parent.
std::filesystem::path BuildTree() {
  return std::filesystem::path(platform::ExecutableDirectory()).parent_path().parent_path();
}

std::string WithSeparator(const std::filesystem::path& path) {
  return path.string() + platform::PathSeparator();
}

}  // namespace

std::string FreshTestFolder(const std::string& name) {
  auto folder = BuildTree() / "test-work" / name;
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  return WithSeparator(folder);
}

std::string ScreenshotFolder() {
  auto folder = BuildTree() / "screenshots";
  std::filesystem::create_directories(folder);
  return WithSeparator(folder);
}

std::string TodayText() {
  const platform::LocalDateTime now = platform::LocalNow();
  char text[16];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", now.year, now.month, now.day);
  return text;
}

}  // namespace ruzi::testing
