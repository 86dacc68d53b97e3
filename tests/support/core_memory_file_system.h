#pragma once
// An in-memory file system for the log writer's tests, with switches that make operations
// fail the way a locked or vanished file or a full disk does. With hold_files an opened file
// appends without looking its path up again, as the system's does, and path_calls counts
// every call that looks a path up.
#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <stdexcept>
#include <string>

#include "platform/file_system.h"

namespace ruzi::testing {

class MemoryFileSystem final : public platform::FileSystem {
 public:
  bool FileExists(const std::string& path) override {
    std::lock_guard guard(lock_);
    ++path_calls;
    return files_.count(path) != 0;
  }
  bool DirectoryExists(const std::string& path) override {
    std::lock_guard guard(lock_);
    ++path_calls;
    return directories_.count(Folder(path)) != 0;
  }
  int64_t FileSize(const std::string& path) override {
    std::lock_guard guard(lock_);
    ++path_calls;
    if (size_failures > 0) {
      --size_failures;
      throw std::runtime_error("size lookup failed");
    }
    auto it = files_.find(path);
    return it == files_.end() ? -1 : static_cast<int64_t>(it->second.size());
  }
  bool RenameFile(const std::string& from, const std::string& to) override {
    std::lock_guard guard(lock_);
    ++path_calls;
    auto it = files_.find(from);
    if (it == files_.end() || files_.count(to) != 0) return false;
    files_[to] = it->second;
    files_.erase(from);
    return true;
  }
  bool CreateDirectories(const std::string& path) override {
    std::lock_guard guard(lock_);
    ++path_calls;
    directories_.insert(Folder(path));
    return true;
  }
  bool CreateEmptyFile(const std::string& path) override {
    std::lock_guard guard(lock_);
    ++path_calls;
    files_.emplace(path, std::string());
    return true;
  }
  uint32_t AppendToFile(const std::string& path, std::string_view bytes) override {
    platform::AppendProgress progress;
    return AppendToFileTracked(path, bytes, progress);
  }
  uint32_t AppendToFileTracked(const std::string& path, std::string_view bytes,
                               platform::AppendProgress& progress) override {
    std::lock_guard guard(lock_);
    ++path_calls;
    return AppendLocked(path, bytes, progress);
  }
  std::unique_ptr<platform::AppendingFile> OpenForAppending(const std::string& path, uint32_t& error) override {
    if (!hold_files) return FileSystem::OpenForAppending(path, error);
    std::lock_guard guard(lock_);
    ++path_calls;
    files_.emplace(path, std::string());
    error = 0;
    return std::make_unique<HeldFile>(*this, path);
  }
  std::optional<std::string> ReadWholeFile(const std::string& path) override {
    std::lock_guard guard(lock_);
    auto it = files_.find(path);
    if (it == files_.end()) return std::nullopt;
    return it->second;
  }
  bool WriteWholeFile(const std::string& path, std::string_view bytes) override {
    std::lock_guard guard(lock_);
    files_[path] = std::string(bytes);
    return true;
  }

  std::string Content(const std::string& path) { return ReadWholeFile(path).value_or("<missing>"); }
  std::map<std::string, std::string> Files() {
    std::lock_guard guard(lock_);
    return files_;
  }
  void Put(const std::string& path, const std::string& bytes) { WriteWholeFile(path, bytes); }

  int append_failures = 0;
  size_t free_space = SIZE_MAX;
  int size_failures = 0;
  int appends = 0;
  bool hold_files = false;
  int path_calls = 0;

 private:
  // A full disk writes what fits and fails with ERROR_DISK_FULL. With lock_ held.
  uint32_t AppendLocked(const std::string& path, std::string_view bytes, platform::AppendProgress& progress) {
    if (append_failures > 0) {
      --append_failures;
      return 32;  // ERROR_SHARING_VIOLATION
    }
    ++appends;
    std::string& file = files_[path];
    progress.start.store(static_cast<int64_t>(file.size()));
    const size_t fits = std::min(bytes.size(), free_space);
    file.append(bytes.substr(0, fits));
    free_space -= fits;
    progress.written.store(fits);
    return fits == bytes.size() ? 0 : 112;
  }

  class HeldFile final : public platform::AppendingFile {
   public:
    HeldFile(MemoryFileSystem& files, std::string path) : files_(files), path_(std::move(path)) {}
    uint32_t Append(std::string_view bytes, platform::AppendProgress& progress) override {
      std::lock_guard guard(files_.lock_);
      return files_.AppendLocked(path_, bytes, progress);
    }
    int64_t Size() override {
      std::lock_guard guard(files_.lock_);
      return static_cast<int64_t>(files_.files_[path_].size());
    }

   private:
    MemoryFileSystem& files_;
    const std::string path_;
  };

  static std::string Folder(std::string path) {
    while (!path.empty() && (path.back() == '/' || path.back() == '\\')) path.pop_back();
    return path;
  }

  std::mutex lock_;
  std::map<std::string, std::string> files_;
  std::set<std::string> directories_;
};

}  // namespace ruzi::testing
