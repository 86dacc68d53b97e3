#include <windows.h>

#include <cstring>

#include "platform/clipboard.h"
#include "platform/text_encoding.h"

namespace ruzi::platform {
namespace {

// Holds the clipboard open for a scope.
class OpenClipboardScope {
 public:
  OpenClipboardScope() : open_(OpenClipboard(nullptr) != 0) {}
  ~OpenClipboardScope() {
    if (open_) CloseClipboard();
  }
  bool IsOpen() const { return open_; }

 private:
  bool open_;
};

}  // namespace

std::string ClipboardText() {
  OpenClipboardScope clipboard;
  if (!clipboard.IsOpen()) return "";
  HANDLE data = GetClipboardData(CF_UNICODETEXT);
  if (data == nullptr) return "";
  const wchar_t* text = static_cast<const wchar_t*>(GlobalLock(data));
  std::string result = text != nullptr ? WideToGbk(text) : "";
  GlobalUnlock(data);
  return result;
}

bool SetClipboardText(std::string_view gbk) {
  std::wstring wide = GbkToWide(gbk);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
  if (memory == nullptr) return false;
  std::memcpy(GlobalLock(memory), wide.c_str(), (wide.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(memory);
  OpenClipboardScope clipboard;
  if (!clipboard.IsOpen() || !EmptyClipboard() || SetClipboardData(CF_UNICODETEXT, memory) == nullptr) {
    GlobalFree(memory);
    return false;
  }
  return true;  // the clipboard owns the memory now
}

}  // namespace ruzi::platform
