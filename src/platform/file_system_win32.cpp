// File operations through the W functions (paths converted from GBK with code page 936, so
// the result does not depend on the process code page). Files are opened sharing read, write
// and delete, so other processes may read, append, or move a log aside while we hold it.
#include <windows.h>

#include <memory>
#include <utility>

#include "platform/file_system.h"
#include "platform/text_encoding.h"

namespace ruzi::platform {
namespace {

// Owns one file handle, so an early return never leaks it.
class FileHandle {
 public:
  explicit FileHandle(HANDLE handle) : handle_(handle) {}
  ~FileHandle() {
    if (IsValid()) CloseHandle(handle_);
  }
  FileHandle(FileHandle&& other) noexcept : handle_(std::exchange(other.handle_, INVALID_HANDLE_VALUE)) {}
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  bool IsValid() const { return handle_ != INVALID_HANDLE_VALUE; }
  HANDLE Get() const { return handle_; }

 private:
  HANDLE handle_;
};

HANDLE OpenHandle(const std::string& path, DWORD access, DWORD disposition) {
  return CreateFileW(GbkToWide(path).c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                     nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
}

FileHandle Open(const std::string& path, DWORD access, DWORD disposition) {
  return FileHandle(OpenHandle(path, access, disposition));
}

bool WriteAll(HANDLE file, std::string_view bytes) {
  while (!bytes.empty()) {
    const DWORD chunk = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
    DWORD written = 0;
    if (!WriteFile(file, bytes.data(), chunk, &written, nullptr)) return false;
    bytes.remove_prefix(written);
  }
  return true;
}

class HeldFile final : public AppendingFile {
 public:
  explicit HeldFile(FileHandle file) : file_(std::move(file)) {}

  uint32_t Append(std::string_view bytes, AppendProgress& progress) override {
    LARGE_INTEGER zero{};
    LARGE_INTEGER end{};
    if (!SetFilePointerEx(file_.Get(), zero, &end, FILE_END)) return GetLastError();
    progress.start.store(end.QuadPart);
    while (!bytes.empty()) {
      const DWORD chunk = bytes.size() > 0x40000000u ? 0x40000000u : static_cast<DWORD>(bytes.size());
      DWORD written = 0;
      const BOOL ok = WriteFile(file_.Get(), bytes.data(), chunk, &written, nullptr);
      progress.written.fetch_add(written);
      bytes.remove_prefix(written);
      if (!ok) return GetLastError();
      if (written == 0) return ERROR_DISK_FULL;
    }
    return 0;
  }

  int64_t Size() override {
    LARGE_INTEGER size{};
    return GetFileSizeEx(file_.Get(), &size) ? size.QuadPart : -1;
  }

 private:
  FileHandle file_;
};

DWORD Attributes(const std::string& path) { return GetFileAttributesW(GbkToWide(path).c_str()); }

class Win32FileSystem final : public FileSystem {
 public:
  // A missing folder is created and the open tried once more.
  HANDLE OpenForAppend(const std::string& path) {
    HANDLE handle = OpenHandle(path, GENERIC_WRITE, OPEN_ALWAYS);
    if (handle != INVALID_HANDLE_VALUE) return handle;
    const DWORD error = GetLastError();
    const std::string folder = DirectoryOf(path);
    if (folder.empty() || DirectoryExists(folder) || !CreateDirectories(folder)) {
      SetLastError(error);
      return handle;
    }
    return OpenHandle(path, GENERIC_WRITE, OPEN_ALWAYS);
  }

  bool FileExists(const std::string& path) override {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
  }

  bool DirectoryExists(const std::string& path) override {
    const DWORD attributes = Attributes(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }

  int64_t FileSize(const std::string& path) override {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(GbkToWide(path).c_str(), GetFileExInfoStandard, &data)) return -1;
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) return -1;
    return (static_cast<int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  }

  bool RenameFile(const std::string& from, const std::string& to) override {
    return MoveFileW(GbkToWide(from).c_str(), GbkToWide(to).c_str()) != 0;
  }

  bool CreateDirectories(const std::string& path) override {
    std::string folder = path;
    while (!folder.empty() && (folder.back() == '\\' || folder.back() == '/')) folder.pop_back();
    if (folder.empty() || DirectoryExists(folder)) return true;
    const std::string parent = DirectoryOf(folder);
    if (!parent.empty() && parent.size() < folder.size() && !CreateDirectories(parent)) return false;
    return CreateDirectoryW(GbkToWide(folder).c_str(), nullptr) != 0 || DirectoryExists(folder);
  }

  bool CreateEmptyFile(const std::string& path) override {
    const std::string folder = DirectoryOf(path);
    if (!folder.empty() && !CreateDirectories(folder)) return false;
    return Open(path, GENERIC_WRITE, OPEN_ALWAYS).IsValid();
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
    FileHandle file(OpenForAppend(path));
    LARGE_INTEGER zero{};
    // The first call on a handle fetches its descriptor under Wine; made here, so that later
    // appends need nothing but the handle.
    if (!file.IsValid() || !SetFilePointerEx(file.Get(), zero, nullptr, FILE_END)) {
      error = GetLastError();
      return nullptr;
    }
    error = 0;
    return std::make_unique<HeldFile>(std::move(file));
  }

  std::optional<std::string> ReadWholeFile(const std::string& path) override {
    FileHandle file = Open(path, GENERIC_READ, OPEN_EXISTING);
    if (!file.IsValid()) return std::nullopt;
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file.Get(), buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    return bytes;
  }

  bool WriteWholeFile(const std::string& path, std::string_view bytes) override {
    FileHandle file = Open(path, GENERIC_WRITE, CREATE_ALWAYS);
    return file.IsValid() && WriteAll(file.Get(), bytes);
  }
};

}  // namespace

FileSystem& SystemFileSystem() {
  static Win32FileSystem files;
  return files;
}

}  // namespace ruzi::platform
