#include "packets/qx_pack.h"

#include <mutex>

#include "packets/record_pack_text.h"
#include "platform/dynamic_library.h"

#include "dialogs/message_sink.h"
#include "foundation/error.h"
#include "library/unit_registry.h"
#include "platform/clipboard.h"

namespace ruzi {
namespace {

using VoidFn = void (*)(void*);
using IntFn = int (*)(void*);
using IntIntFn = int (*)(void*, int);
using TextIntFn = int (*)(void*, const char*);

std::unique_ptr<TQxPackInterface>& InterfaceSlot() {
  static std::unique_ptr<TQxPackInterface> instance;
  return instance;
}

// Freeing the interface at unload unloads the library.
const UnitRegistration kUnit{{"record pack", nullptr, nullptr, [] {
                                gQxPackInterface = nullptr;
                                InterfaceSlot().reset();
                              }}};

}  // namespace

TQxPackInterface::TQxPackInterface()
    : library_(std::make_unique<platform::DynamicLibrary>(platform::DynamicLibrary::LoadedOrLoad(kLibraryName))) {
  if (!library_->IsLoaded()) {
    ShowMessageBox("未找到qxPack.dll文件！TQxPack无法工作！", "错误", kMbOk | kMbIconExclamation);
    return;
  }
  for (int ordinal = 1; ordinal <= kEntryCount; ++ordinal) {
    entries_[ordinal - 1] = library_->ExportByOrdinal(static_cast<unsigned>(ordinal));
  }
}

TQxPackInterface::~TQxPackInterface() = default;

bool TQxPackInterface::Loaded() const { return library_->IsLoaded(); }

void* TQxPackInterface::Entry(int ordinal) const {
  if (ordinal < 1 || ordinal > kEntryCount) return nullptr;
  return entries_[ordinal - 1];
}

TQxPackInterface* gQxPackInterface = nullptr;

namespace {

// Made once, by whichever pack comes first; the packs themselves go through call_once, the
// exported pointer is for a host that looks at the interface after making a pack.
TQxPackInterface* QxPackInterface() {
  static std::once_flag once;
  std::call_once(once, [] {
    InterfaceSlot() = std::make_unique<TQxPackInterface>();
    gQxPackInterface = InterfaceSlot().get();
  });
  return InterfaceSlot().get();
}

// The entry of an ordinal, or nullptr when the library or the entry is missing.
template <typename Fn>
Fn EntryAs(int ordinal) {
  TQxPackInterface* library = QxPackInterface();
  return library != nullptr ? library->As<Fn>(ordinal) : nullptr;
}

}  // namespace

// Calls ordinal `ordinal` with the handle first; an unbound entry gives `failure`.
template <typename Fn, typename... Args>
auto TQxPack::Call(int ordinal, decltype(std::declval<Fn>()(nullptr, std::declval<Args>()...)) failure,
                   Args... args) {
  Fn entry = EntryAs<Fn>(ordinal);
  if (entry == nullptr) return failure;
  return entry(handle_, args...);
}

void TQxPack::CallVoid(int ordinal) {
  if (auto entry = EntryAs<VoidFn>(ordinal)) entry(handle_);
}

TQxPack::TQxPack(TComponent* owner) : TComponent(owner) {
  auto create = EntryAs<void* (*)()>(1);
  handle_ = create != nullptr ? create() : nullptr;
}

TQxPack::~TQxPack() { CallVoid(2); }

void TQxPack::Clear() { CallVoid(3); }

int TQxPack::ParseData(const std::string& text) {
  int result = Call<TextIntFn>(4, -1, text.c_str());
  First();
  data_ = text;
  return result;
}

std::string TQxPack::GetPackData() {
  int length = Call<IntFn>(5, 0);
  if (length <= 0) return std::string();
  buffer_.assign(static_cast<size_t>(length), 'a');
  buffer_.back() = '\0';
  using FillFn = int (*)(void*, char*);
  Call<FillFn>(6, -1, buffer_.data());
  return buffer_;
}

void TQxPack::First() { CallVoid(7); }

int TQxPack::GetRecNo() { return Call<IntFn>(8, 0); }

void TQxPack::Next() { CallVoid(9); }

void TQxPack::SetRecNo(int row) {
  if (Call<IntIntFn>(10, -1, row) != 0) {
    throw Error("TQxPack无法跳至第" + std::to_string(row) + "行!");
  }
}

bool TQxPack::Eof() { return Call<IntFn>(11, 1) != 0; }
int TQxPack::GetRecordCount() { return Call<IntFn>(12, 0); }
int TQxPack::getFieldIndex(const std::string& name) { return Call<TextIntFn>(13, -1, name.c_str()); }

const std::string& TQxPack::getFieldName(int index) {
  using NameFn = const char* (*)(void*, int);
  const char* name = Call<NameFn>(14, nullptr, index);
  if (name == nullptr) return empty_text_;
  field_name_ = name;
  return field_name_;
}

int TQxPack::getFieldCount() { return Call<IntFn>(15, 0); }
void TQxPack::AddField(const std::string& name) { Call<TextIntFn>(16, -1, name.c_str()); }
bool TQxPack::AppendRow() { return Call<IntFn>(18, -1) != 0; }
bool TQxPack::DeleteRow() { return Call<IntFn>(19, -1) != 0; }
bool TQxPack::DeleteRowEx(int row) { return Call<IntIntFn>(20, -1, row) != 0; }

bool TQxPack::SetValue(int field, const std::string& text) {
  using SetTextFn = int (*)(void*, int, const char*, int);
  return Call<SetTextFn>(22, -1, field, text.c_str(), static_cast<int>(text.size())) != 0;
}
bool TQxPack::SetValue(int field, int32_t value) {
  return Call<int (*)(void*, int, int32_t)>(23, -1, field, value) != 0;
}
bool TQxPack::SetValue(int field, double value) {
  return Call<int (*)(void*, int, double)>(24, -1, field, value) != 0;
}
bool TQxPack::SetValue(int field, char value) { return Call<int (*)(void*, int, char)>(25, -1, field, value) != 0; }
bool TQxPack::SetValue(int field, int64_t value) {
  return Call<int (*)(void*, int, int64_t)>(26, -1, field, value) != 0;
}
bool TQxPack::GetValue(int field, int32_t& value) {
  return Call<int (*)(void*, int, int32_t*)>(29, -1, field, &value) != 0;
}
bool TQxPack::GetValue(int field, double& value) {
  return Call<int (*)(void*, int, double*)>(30, -1, field, &value) != 0;
}
bool TQxPack::GetValue(int field, char& value) { return Call<int (*)(void*, int, char*)>(31, -1, field, &value) != 0; }
bool TQxPack::GetValue(int field, int64_t& value) {
  return Call<int (*)(void*, int, int64_t*)>(32, -1, field, &value) != 0;
}
bool TQxPack::GetValue(int field, std::string& value) {
  const char* text = nullptr;
  int result = Call<int (*)(void*, int, const char**)>(33, -1, field, &text);
  if (result == 0 && text != nullptr) value = text;
  return result != 0;
}

void TQxPack::ClearData() { CallVoid(35); }

std::string TQxPack::GetFromClipBoard() { return StripCrBeforeLf(platform::ClipboardText()); }

}  // namespace ruzi
