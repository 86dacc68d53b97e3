// The file lists' loader on arbitrary file bytes: line splitting, the version line, the
// events turning lines into entries. After a load the list must be sorted and chained, and
// saving then loading again must give the same entries. The file lives in memory.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <string>

#include "foundation/f_str_order_list.h"
#include "foundation/string_to_number.h"
#include "platform/clock.h"
#include "platform/file_system.h"

namespace {

// One folder of files in memory: all the loader needs.
class MemoryFiles final : public ruzi::platform::FileSystem {
 public:
  bool FileExists(const std::string& path) override { return files.count(path) != 0; }
  bool DirectoryExists(const std::string&) override { return true; }
  int64_t FileSize(const std::string& path) override {
    return files.count(path) ? static_cast<int64_t>(files[path].size()) : -1;
  }
  bool RenameFile(const std::string& from, const std::string& to) override {
    if (!files.count(from) || files.count(to)) return false;
    files[to] = files[from];
    files.erase(from);
    return true;
  }
  bool CreateDirectories(const std::string&) override { return true; }
  bool CreateEmptyFile(const std::string& path) override {
    files.emplace(path, std::string());
    return true;
  }
  uint32_t AppendToFile(const std::string& path, std::string_view bytes) override {
    files[path].append(bytes);
    return 0;
  }
  std::optional<std::string> ReadWholeFile(const std::string& path) override {
    if (!files.count(path)) return std::nullopt;
    return files[path];
  }
  bool WriteWholeFile(const std::string& path, std::string_view bytes) override {
    files[path] = std::string(bytes);
    return true;
  }
  std::map<std::string, std::string> files;
};

void Wire(ruzi::TFStrOrderList& list) {
  list.OnLoadItem = [](const std::string& line, std::string& key, void*& data) {
    const size_t equals = line.find('=');
    key = line.substr(0, equals);
    data = new std::string(equals == std::string::npos ? "" : line.substr(equals + 1));
  };
  list.OnSaveItem = [](std::string key, void* data, std::string& line) {
    line = key + "=" + *static_cast<std::string*>(data);
  };
  list.OnFreeData = [](void* data) { delete static_cast<std::string*>(data); };
}

std::map<std::string, std::string> Entries(ruzi::TFStrOrderList& list) {
  std::map<std::string, std::string> entries;
  const ruzi::TStrOrderListNode* previous = nullptr;
  for (int64_t i = 0; i < list.GetCount(); ++i) {
    const ruzi::TStrOrderListNode* node = list.GetItems(i);
    if (node->Prior != previous || (previous != nullptr && !(previous->Key < node->Key))) std::abort();
    entries[node->Key] = *static_cast<std::string*>(node->Data);
    previous = node;
  }
  return entries;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  MemoryFiles files;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  files.files["list.txt"] = bytes;
  const int32_t version = ruzi::FileVersionOf(ruzi::SplitFileLines(bytes));
  ruzi::TFStrOrderList first("list.txt", 1, files, ruzi::platform::SystemClock());
  Wire(first);
  first.Load();
  // A file of another version is put aside whole and nothing is loaded.
  if (version != 1 && (first.GetCount() != 0 || files.files.count("list.txt") != 0)) std::abort();
  const auto loaded = Entries(first);
  first.Save();
  ruzi::TFStrOrderList second("list.txt", 1, files, ruzi::platform::SystemClock());
  Wire(second);
  second.Load();
  if (Entries(second) != loaded) std::abort();
  return 0;
}
