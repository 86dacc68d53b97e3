#pragma once
// The file operations of the log writer and the file-backed lists, behind an interface so
// tests can put a fake underneath. Paths are GBK byte strings; both '\' and '/' separate.
// The Windows side opens files sharing read and write with other processes.
#include <atomic>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace ruzi::platform {

// How far an append got, kept where another thread can read it should the appending one be
// stopped part-way: the file's size before the append (-1 until known) and the bytes written.
struct AppendProgress {
  std::atomic<int64_t> start{-1};
  std::atomic<size_t> written{0};
};

// A file held open for appending, by one thread at a time. Each append goes to the file's
// end, wherever other writers left it, without looking the path up again.
class AppendingFile {
 public:
  virtual ~AppendingFile() = default;
  // As FileSystem::AppendToFileTracked.
  virtual uint32_t Append(std::string_view bytes, AppendProgress& progress) = 0;
  // The file's size in bytes, or -1.
  virtual int64_t Size() = 0;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  virtual bool FileExists(const std::string& path) = 0;
  virtual bool DirectoryExists(const std::string& path) = 0;
  // Size in bytes, or -1 when the file cannot be looked up.
  virtual int64_t FileSize(const std::string& path) = 0;
  // Fails when the target exists.
  virtual bool RenameFile(const std::string& from, const std::string& to) = 0;
  // The folder and every missing parent.
  virtual bool CreateDirectories(const std::string& path) = 0;
  // Creates the file empty when it is absent; an existing file is left alone.
  virtual bool CreateEmptyFile(const std::string& path) = 0;
  // Opens (creating when absent), appends at the end and closes. 0, or the system's error number.
  virtual uint32_t AppendToFile(const std::string& path, std::string_view bytes) = 0;
  // AppendToFile reporting its progress as it goes: after a failure part-way (a full disk),
  // progress.written says how much of `bytes` is in the file.
  virtual uint32_t AppendToFileTracked(const std::string& path, std::string_view bytes, AppendProgress& progress) {
    const uint32_t error = AppendToFile(path, bytes);
    if (error == 0) progress.written.store(bytes.size());
    return error;
  }
  // Opens the file for appending, creating it (and its folder) when absent; nullptr, with the
  // system's error number in `error`, when it cannot be. By default each append opens the
  // path anew through AppendToFileTracked.
  virtual std::unique_ptr<AppendingFile> OpenForAppending(const std::string& path, uint32_t& error);
  virtual std::optional<std::string> ReadWholeFile(const std::string& path) = 0;
  // Replaces the file.
  virtual bool WriteWholeFile(const std::string& path, std::string_view bytes) = 0;
};

FileSystem& SystemFileSystem();

// The folder part of a path including its last separator ("" when there is none).
std::string DirectoryOf(std::string_view path);

}  // namespace ruzi::platform
