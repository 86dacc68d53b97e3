// Native shim: a process-wide block seeded from the C environment, with Windows' rules
// (names case-insensitive, first spelling kept), so portable tests see what Windows would.
#include "platform/environment.h"

#include <mutex>

#include "platform/ascii_case.h"

extern char** environ;

namespace ruzi::platform {
namespace {

struct Block {
  std::mutex lock;
  std::vector<std::pair<std::string, std::string>> entries;
  Block() {
    for (char** entry = environ; entry != nullptr && *entry != nullptr; ++entry) {
      std::string_view text(*entry);
      size_t equals = text.find('=');
      if (equals == std::string_view::npos || equals == 0) continue;
      entries.emplace_back(std::string(text.substr(0, equals)), std::string(text.substr(equals + 1)));
    }
  }
  auto Find(std::string_view name) {
    auto it = entries.begin();
    while (it != entries.end() && !AsciiEqualIgnoreCase(it->first, name)) ++it;
    return it;
  }
};

Block& TheBlock() {
  static Block block;
  return block;
}

}  // namespace

std::optional<std::string> FindEnvironment(std::string_view name) {
  Block& block = TheBlock();
  std::lock_guard guard(block.lock);
  auto it = block.Find(name);
  if (it == block.entries.end()) return std::nullopt;
  return it->second;
}

std::string GetEnvironment(std::string_view name) { return FindEnvironment(name).value_or(""); }

bool SetEnvironment(std::string_view name, std::string_view value) {
  if (name.empty() || name.find('=') != std::string_view::npos) return false;
  Block& block = TheBlock();
  std::lock_guard guard(block.lock);
  auto it = block.Find(name);
  if (it == block.entries.end()) {
    block.entries.emplace_back(std::string(name), std::string(value));
  } else {
    it->second = std::string(value);
  }
  return true;
}

bool UnsetEnvironment(std::string_view name) {
  Block& block = TheBlock();
  std::lock_guard guard(block.lock);
  auto it = block.Find(name);
  if (it != block.entries.end()) block.entries.erase(it);
  return true;
}

std::vector<std::pair<std::string, std::string>> EnvironmentBlock() {
  Block& block = TheBlock();
  std::lock_guard guard(block.lock);
  return block.entries;
}

}  // namespace ruzi::platform
