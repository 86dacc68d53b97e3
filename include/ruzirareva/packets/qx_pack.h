#pragma once
// A record pack of qxPack.dll, bound by ordinals 1 to 35. The library is loaded once per process
// by the first TQxPack; when it is missing the user is told once and every call fails cleanly.
// Getters and setters return the library's failure flag: true means the library reported a
// failure (it answers 0 for success). A pack belongs to one thread at a time; the process's
// interface is made once and only read afterwards.
#include <cstdint>
#include <memory>
#include <string>
#include <utility>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/component.h"

namespace ruzi {

namespace platform {
class DynamicLibrary;
}

// Made once per process; every thread may read its entries.
class RUZI_API TQxPackInterface {
 public:
  static constexpr int kEntryCount = 35;
  static constexpr const char* kLibraryName = "qxPack.dll";

  TQxPackInterface();
  ~TQxPackInterface();
  TQxPackInterface(const TQxPackInterface&) = delete;
  TQxPackInterface& operator=(const TQxPackInterface&) = delete;
  bool Loaded() const;
  // The entry of this ordinal (1 to 35), or nullptr.
  void* Entry(int ordinal) const;

  template <typename Fn>
  Fn As(int ordinal) const {
    return reinterpret_cast<Fn>(Entry(ordinal));
  }

 private:
  std::unique_ptr<platform::DynamicLibrary> library_;
  void* entries_[kEntryCount] = {};
};

// The process's interface: nullptr until the first TQxPack creates it, then kept until the
// library unloads.
extern RUZI_API TQxPackInterface* gQxPackInterface;

// A component: its owner, when given, frees it. One pack belongs to one thread at a time.
class RUZI_API TQxPack : public TComponent {
  RUZI_CLASS_RECORD(TQxPack, TComponent::ClassRecord())

 public:
  explicit TQxPack(TComponent* owner = nullptr);
  ~TQxPack() override;

  void* Handle() const { return handle_; }
  const std::string& Data() const { return data_; }

  void Clear();
  int ParseData(const std::string& text);
  std::string GetPackData();
  void First();
  int GetRecNo();
  void Next();
  // Throws ruzi::Error "TQxPack无法跳至第<N>行!" when the row does not exist.
  void SetRecNo(int row);
  bool Eof();
  int GetRecordCount();
  int getFieldIndex(const std::string& name);
  const std::string& getFieldName(int index);
  int getFieldCount();
  void AddField(const std::string& name);
  bool AppendRow();
  bool DeleteRow();
  bool DeleteRowEx(int row);
  bool SetValue(int field, const std::string& text);
  bool SetValue(int field, int32_t value);
  bool SetValue(int field, double value);
  bool SetValue(int field, char value);
  bool SetValue(int field, int64_t value);
  bool GetValue(int field, int32_t& value);
  bool GetValue(int field, double& value);
  bool GetValue(int field, char& value);
  bool GetValue(int field, int64_t& value);
  bool GetValue(int field, std::string& value);
  void ClearData();

  // The clipboard's text with each CR that precedes an LF removed; the pack is not touched.
  static std::string GetFromClipBoard();

 private:
  template <typename Fn, typename... Args>
  auto Call(int ordinal, decltype(std::declval<Fn>()(nullptr, std::declval<Args>()...)) failure, Args... args);
  void CallVoid(int ordinal);

  void* handle_ = nullptr;
  std::string data_;
  std::string buffer_;
  std::string empty_text_;
  std::string field_name_;
};

}  // namespace ruzi
