#include "platform/file_system.h"

namespace ruzi::platform {
namespace {

class AppendingByPath final : public AppendingFile {
 public:
  AppendingByPath(FileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}
  uint32_t Append(std::string_view bytes, AppendProgress& progress) override {
    return files_.AppendToFileTracked(path_, bytes, progress);
  }
  int64_t Size() override { return files_.FileSize(path_); }

 private:
  FileSystem& files_;
  const std::string path_;
};

}  // namespace

std::unique_ptr<AppendingFile> FileSystem::OpenForAppending(const std::string& path, uint32_t& error) {
  error = 0;
  return std::make_unique<AppendingByPath>(*this, path);
}

std::string DirectoryOf(std::string_view path) {
  const size_t slash = path.find_last_of("\\/");
  return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash + 1));
}

}  // namespace ruzi::platform
