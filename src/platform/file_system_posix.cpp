// Native file operations for the portable tests; '\' is accepted as a separator too, so a
// path built the Windows way works here.
#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <memory>

#include "platform/file_system.h"

namespace ruzi::platform {
namespace {

std::string Native(const std::string& path) {
  std::string result = path;
  std::replace(result.begin(), result.end(), '\\', '/');
  return result;
}

class HeldFile final : public AppendingFile {
 public:
  explicit HeldFile(int fd) : fd_(fd) {}
  ~HeldFile() override { close(fd_); }
  HeldFile(const HeldFile&) = delete;
  HeldFile& operator=(const HeldFile&) = delete;

  uint32_t Append(std::string_view bytes, AppendProgress& progress) override {
    progress.start.store(lseek(fd_, 0, SEEK_END));
    while (!bytes.empty()) {
      const ssize_t written = write(fd_, bytes.data(), bytes.size());
      if (written < 0) {
        if (errno == EINTR) continue;
        return static_cast<uint32_t>(errno);
      }
      progress.written.fetch_add(static_cast<size_t>(written));
      bytes.remove_prefix(static_cast<size_t>(written));
    }
    return 0;
  }

  int64_t Size() override {
    struct stat info{};
    return fstat(fd_, &info) == 0 ? static_cast<int64_t>(info.st_size) : -1;
  }

 private:
  const int fd_;
};

class PosixFileSystem final : public FileSystem {
 public:
  bool FileExists(const std::string& path) override {
    struct stat info{};
    return stat(Native(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
  }

  bool DirectoryExists(const std::string& path) override {
    struct stat info{};
    return stat(Native(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
  }

  int64_t FileSize(const std::string& path) override {
    struct stat info{};
    if (stat(Native(path).c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
    return static_cast<int64_t>(info.st_size);
  }

  bool RenameFile(const std::string& from, const std::string& to) override {
    // Windows' MoveFile refuses an existing target; link then unlink gives the same here.
    if (link(Native(from).c_str(), Native(to).c_str()) != 0) return false;
    return unlink(Native(from).c_str()) == 0;
  }

  bool CreateDirectories(const std::string& path) override {
    std::error_code error;
    std::filesystem::create_directories(Native(path), error);
    return DirectoryExists(path);
  }

  bool CreateEmptyFile(const std::string& path) override {
    const std::string folder = DirectoryOf(path);
    if (!folder.empty() && !CreateDirectories(folder)) return false;
    const int fd = open(Native(path).c_str(), O_WRONLY | O_CREAT, 0644);
    if (fd < 0) return false;
    close(fd);
    return true;
  }

  uint32_t AppendToFile(const std::string& path, std::string_view bytes) override {
    AppendProgress progress;
    return AppendToFileTracked(path, bytes, progress);
  }

  uint32_t AppendToFileTracked(const std::string& path, std::string_view bytes, AppendProgress& progress) override {
    uint32_t error = 0;
    std::unique_ptr<AppendingFile> file = OpenForAppending(path, error);
    return file ? file->Append(bytes, progress) : error;
  }

  std::unique_ptr<AppendingFile> OpenForAppending(const std::string& path, uint32_t& error) override {
    const std::string folder = DirectoryOf(path);
    if (!folder.empty()) CreateDirectories(folder);
    const int fd = open(Native(path).c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    if (fd < 0) {
      error = static_cast<uint32_t>(errno);
      return nullptr;
    }
    error = 0;
    return std::make_unique<HeldFile>(fd);
  }

  std::optional<std::string> ReadWholeFile(const std::string& path) override {
    std::ifstream in(Native(path), std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  }

  bool WriteWholeFile(const std::string& path, std::string_view bytes) override {
    std::ofstream out(Native(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
  }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static PosixFileSystem files;
  return files;
}

}  // namespace ruzi::platform
