#pragma once
// The two sorted maps with a text file behind them (TFOrderList, TFStrOrderList). The owner
// turns entries into lines and back through the events; the list keeps the file's first line
// as a format version and puts aside a file written under another version.
//
// File: line 1 the version in decimal, then one entry per line in ascending key order, lines
// ended by CR LF. Load, Save and Clear take the list's lock; threads that share a list bracket its
// other calls with Lock/UnLock.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "ruzirareva/export.h"

namespace ruzi {

namespace platform {
class Clock;
class FileSystem;
}  // namespace platform

// Splits a file's bytes into lines the way a string list reads them (CR LF, LF or CR).
RUZI_API std::vector<std::string> SplitFileLines(std::string_view bytes);
// A file's version line read as an integer, 0 when it is not one.
RUZI_API int32_t FileVersionOf(const std::vector<std::string>& lines);

// Not thread-safe by itself: Load, Save and Clear take the list's lock, other calls do not.
template <typename ListT, typename FileKeyT>
class FileBackedList : public ListT {
 public:
  using SaveItemEvent = std::function<void(FileKeyT key, void* data, std::string& line)>;
  using LoadItemEvent = std::function<void(const std::string& line, FileKeyT& key, void*& data)>;
  using FreeDataEvent = std::function<void(void* data)>;

  FileBackedList(std::string file_name, int32_t version);
  // The same on the given files and clock (the library's own tests).
  FileBackedList(std::string file_name, int32_t version, platform::FileSystem& files, platform::Clock& clock);
  ~FileBackedList() override;

  // Nothing happens when the file is absent. A file of another version is renamed to
  // FileName + "." + YYYYMMDDhhmmss and nothing is loaded.
  void Load();
  // Writes the version line, then one line per entry; throws ruzi::Error when the file cannot
  // be written.
  void Save();
  // Releases every entry's data through OnFreeData, then the nodes.
  void Clear();

  std::string FileName;
  int32_t Version;
  std::vector<std::string> Lines;
  SaveItemEvent OnSaveItem;
  LoadItemEvent OnLoadItem;
  FreeDataEvent OnFreeData;

 private:
  struct Guard {
    explicit Guard(FileBackedList& list) : list_(list) { list_.Lock(); }
    ~Guard() { list_.UnLock(); }
    FileBackedList& list_;
  };

  platform::FileSystem& files_;
  platform::Clock& clock_;
};

}  // namespace ruzi
