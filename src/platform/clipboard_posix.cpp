#include <mutex>

#include "platform/clipboard.h"

namespace ruzi::platform {
namespace {

std::mutex lock;
std::string text;

}  // namespace

std::string ClipboardText() {
  std::lock_guard guard(lock);
  return text;
}

bool SetClipboardText(std::string_view gbk) {
  std::lock_guard guard(lock);
  text.assign(gbk);
  return true;
}

}  // namespace ruzi::platform
