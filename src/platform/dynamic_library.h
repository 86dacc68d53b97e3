#pragma once
// A loaded module and its exports. LoadedOrLoad takes the module already in the process when
// there is one (the way every binding of the client finds its libraries), else loads it.
// The object owns only what it loaded itself; Keep() leaves the module loaded for good.
#include <string>
#include <string_view>

namespace ruzi::platform {

class DynamicLibrary {
 public:
  DynamicLibrary() = default;
  ~DynamicLibrary();
  DynamicLibrary(DynamicLibrary&& other) noexcept;
  DynamicLibrary& operator=(DynamicLibrary&& other) noexcept;
  DynamicLibrary(const DynamicLibrary&) = delete;
  DynamicLibrary& operator=(const DynamicLibrary&) = delete;

  // By base name, searched the way the system searches.
  static DynamicLibrary LoadedOrLoad(std::string_view name);
  // By full path only: two copies with the same base name stay apart.
  static DynamicLibrary LoadFullPath(std::string_view path);
  // Only a module already in the process.
  static DynamicLibrary Loaded(std::string_view name);
  // A handle someone else owns, for looking up its exports.
  static DynamicLibrary Borrow(void* handle) { return DynamicLibrary(handle, false); }

  bool IsLoaded() const { return handle_ != nullptr; }
  bool OwnsHandle() const { return owned_; }
  void* Handle() const { return handle_; }
  // The export of exactly this name, or nullptr.
  void* Export(std::string_view name) const;
  // The export of this ordinal (exports without names), or nullptr; natively always nullptr.
  void* ExportByOrdinal(unsigned ordinal) const;
  // Full path of the module file, "" when not loaded.
  std::string Path() const;
  // Leave the module loaded when this object goes.
  void Keep() { owned_ = false; }
  // Text of the last load failure on this thread.
  static std::string LastError();

  template <typename Fn>
  Fn ExportAs(std::string_view name) const {
    return reinterpret_cast<Fn>(Export(name));
  }

 private:
  DynamicLibrary(void* handle, bool owned) : handle_(handle), owned_(owned) {}
  void Release();

  void* handle_ = nullptr;
  bool owned_ = false;
};

}  // namespace ruzi::platform
