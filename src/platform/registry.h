#pragma once
// Registry keys with an owner that closes them. Paths are GBK, relative to the root; leading
// backslashes are ignored. The native build keeps an in-process registry with the same rules
// (names compared ignoring ASCII case), so portable tests see what Windows would.
#include <optional>
#include <string>
#include <string_view>

namespace ruzi::platform {

enum class RegistryRoot { CurrentUser, LocalMachine };

class RegistryKey {
 public:
  RegistryKey() = default;
  ~RegistryKey();
  RegistryKey(RegistryKey&& other) noexcept;
  RegistryKey& operator=(RegistryKey&& other) noexcept;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;

  // An existing key only, never created; read-only unless writable.
  static RegistryKey Open(RegistryRoot root, std::string_view path, bool writable = false);
  // The key, created with its missing parents; writable.
  static RegistryKey OpenOrCreate(RegistryRoot root, std::string_view path);

  bool IsOpen() const { return handle_ != nullptr; }
  // A string value (REG_SZ or REG_EXPAND_SZ, unexpanded); nullopt when missing or of another type.
  std::optional<std::string> ReadString(std::string_view name) const;
  // As REG_SZ.
  bool WriteString(std::string_view name, std::string_view value);
  bool DeleteValue(std::string_view name);

 private:
  explicit RegistryKey(void* handle) : handle_(handle) {}
  void Close();

  void* handle_ = nullptr;
};

}  // namespace ruzi::platform
