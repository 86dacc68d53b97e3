#pragma once
// The two sorted maps with a text file behind them (TFOrderList, TFStrOrderList). The owner
// turns entries into lines and back through the events; the list keeps the file's first line
// as a format version and puts aside a file written under another version.
//
// File: line 1 the version in decimal, then one entry per line in ascending key order, lines
// ended by CR LF.
#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "foundation/error.h"
#include "foundation/local_time_text.h"
#include "platform/clock.h"
#include "platform/file_system.h"

namespace ruzi {

// Splits a file's bytes into lines the way a string list reads them (CR LF, LF or CR).
std::vector<std::string> SplitFileLines(std::string_view bytes);
// A file's version line read as an integer, 0 when it is not one.
int32_t FileVersionOf(const std::vector<std::string>& lines);

template <typename ListT, typename FileKeyT>
class FileBackedList : public ListT {
 public:
  using SaveItemEvent = std::function<void(FileKeyT key, void* data, std::string& line)>;
  using LoadItemEvent = std::function<void(const std::string& line, FileKeyT& key, void*& data)>;
  using FreeDataEvent = std::function<void(void* data)>;

  FileBackedList(std::string file_name, int32_t version,
                 platform::FileSystem& files = platform::SystemFileSystem(),
                 platform::Clock& clock = platform::SystemClock())
      : FileName(std::move(file_name)), Version(version), files_(files), clock_(clock) {
    // Every release of a data block, Delete included, goes through OnFreeData.
    this->SetDeleter([this](void* data) {
      if (OnFreeData) OnFreeData(data);
    });
  }

  ~FileBackedList() override {
    Lines.clear();
    Clear();
  }

  // Nothing happens when the file is absent. A file of another version is renamed to
  // FileName + "." + YYYYMMDDhhmmss and nothing is loaded.
  void Load() {
    if (!files_.FileExists(FileName)) return;
    Guard guard(*this);
    const std::optional<std::string> bytes = files_.ReadWholeFile(FileName);
    if (!bytes) throw Error("Cannot open file \"" + FileName + "\"");
    Lines = SplitFileLines(*bytes);
    if (FileVersionOf(Lines) != Version) {
      files_.RenameFile(FileName, FileName + "." + CompactTimeStamp(clock_.Now()));  // a failure is ignored
      return;
    }
    std::vector<std::pair<typename ListT::Key, void*>> entries;
    entries.reserve(Lines.size());
    for (size_t i = 1; i < Lines.size(); ++i) {
      FileKeyT key{};
      void* data = nullptr;
      if (OnLoadItem) OnLoadItem(Lines[i], key, data);
      entries.emplace_back(std::move(key), data);
    }
    // A duplicate key is dropped; its block goes back through OnFreeData rather than leak.
    for (void* data : this->InsertMany(std::move(entries))) {
      if (data != nullptr && OnFreeData) OnFreeData(data);
    }
  }

  void Save() {
    Guard guard(*this);
    Lines.clear();
    Lines.push_back(std::to_string(Version));
    for (int64_t i = 0; i < this->GetCount(); ++i) {
      auto* node = this->GetItems(i);
      std::string line;
      if (OnSaveItem) OnSaveItem(static_cast<FileKeyT>(node->Key), node->Data, line);
      Lines.push_back(std::move(line));
    }
    std::string bytes;
    for (const std::string& line : Lines) bytes.append(line).append("\r\n");
    if (!files_.WriteWholeFile(FileName, bytes)) throw Error("Cannot create file \"" + FileName + "\"");
  }

  // Releases every entry's data through OnFreeData, then the nodes.
  void Clear() {
    Guard guard(*this);
    this->ClearWithFreeData();
  }

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
