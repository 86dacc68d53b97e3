#pragma once
// The members of FileBackedList, instantiated once for each list in its own source file
// (f_order_list.cpp, f_str_order_list.cpp) and exported from there.
#include <utility>
#include <vector>

#include "foundation/error.h"
#include "foundation/file_backed_list.h"
#include "foundation/local_time_text.h"
#include "platform/clock.h"
#include "platform/file_system.h"

namespace ruzi {

template <typename ListT, typename FileKeyT>
FileBackedList<ListT, FileKeyT>::FileBackedList(std::string file_name, int32_t version)
    : FileBackedList(std::move(file_name), version, platform::SystemFileSystem(), platform::SystemClock()) {}

template <typename ListT, typename FileKeyT>
FileBackedList<ListT, FileKeyT>::FileBackedList(std::string file_name, int32_t version,
                                                platform::FileSystem& files, platform::Clock& clock)
    : FileName(std::move(file_name)), Version(version), files_(files), clock_(clock) {
  // Every release of a data block, Delete included, goes through OnFreeData.
  this->SetDeleter([this](void* data) {
    if (OnFreeData) OnFreeData(data);
  });
}

template <typename ListT, typename FileKeyT>
FileBackedList<ListT, FileKeyT>::~FileBackedList() {
  Lines.clear();
  Clear();
}

template <typename ListT, typename FileKeyT>
void FileBackedList<ListT, FileKeyT>::Load() {
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

template <typename ListT, typename FileKeyT>
void FileBackedList<ListT, FileKeyT>::Save() {
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

template <typename ListT, typename FileKeyT>
void FileBackedList<ListT, FileKeyT>::Clear() {
  Guard guard(*this);
  this->ClearWithFreeData();
}

}  // namespace ruzi
