// Native counterpart: one in-process registry for the whole process. A handle points at its
// key's node; nodes are never removed, so handles stay valid.
#include <map>
#include <memory>
#include <mutex>

#include "platform/ascii_case.h"
#include "platform/registry.h"

namespace ruzi::platform {
namespace {

// Windows compares key and value names ignoring ASCII case.
std::string Folded(std::string_view name) {
  std::string folded(name);
  for (char& c : folded) c = AsciiUpper(c);
  return folded;
}

struct Node {
  std::map<std::string, std::string> values;  // by folded name
};

struct Store {
  std::mutex lock;
  std::map<std::string, std::unique_ptr<Node>> keys;  // by root and folded path

  static std::string Path(RegistryRoot root, std::string_view path) {
    while (!path.empty() && path.front() == '\\') path.remove_prefix(1);
    while (!path.empty() && path.back() == '\\') path.remove_suffix(1);
    return (root == RegistryRoot::CurrentUser ? "HKCU\\" : "HKLM\\") + Folded(path);
  }
};

Store& TheStore() {
  static Store store;
  return store;
}

}  // namespace

RegistryKey RegistryKey::Open(RegistryRoot root, std::string_view path, bool) {
  Store& store = TheStore();
  std::lock_guard guard(store.lock);
  auto it = store.keys.find(Store::Path(root, path));
  return it == store.keys.end() ? RegistryKey() : RegistryKey(it->second.get());
}

RegistryKey RegistryKey::OpenOrCreate(RegistryRoot root, std::string_view path) {
  Store& store = TheStore();
  std::lock_guard guard(store.lock);
  // Parents exist as soon as a child does, as they would in the registry.
  std::string full = Store::Path(root, path);
  for (size_t at = full.find('\\', 5); at != std::string::npos; at = full.find('\\', at + 1)) {
    auto& parent = store.keys[full.substr(0, at)];
    if (!parent) parent = std::make_unique<Node>();
  }
  auto& node = store.keys[full];
  if (!node) node = std::make_unique<Node>();
  return RegistryKey(node.get());
}

std::optional<std::string> RegistryKey::ReadString(std::string_view name) const {
  if (handle_ == nullptr) return std::nullopt;
  std::lock_guard guard(TheStore().lock);
  const Node& node = *static_cast<const Node*>(handle_);
  auto it = node.values.find(Folded(name));
  if (it == node.values.end()) return std::nullopt;
  return it->second;
}

bool RegistryKey::WriteString(std::string_view name, std::string_view value) {
  if (handle_ == nullptr) return false;
  std::lock_guard guard(TheStore().lock);
  static_cast<Node*>(handle_)->values[Folded(name)] = std::string(value);
  return true;
}

bool RegistryKey::DeleteValue(std::string_view name) {
  if (handle_ == nullptr) return false;
  std::lock_guard guard(TheStore().lock);
  return static_cast<Node*>(handle_)->values.erase(Folded(name)) > 0;
}

void RegistryKey::Close() { handle_ = nullptr; }

}  // namespace ruzi::platform
