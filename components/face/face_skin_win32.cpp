#include "face_skin.h"

#include <windows.h>

#include <map>
#include <memory>
#include <mutex>
#include <span>
#include <string>

#include "skin/image_decode.h"

namespace ruzi::face {
namespace {

HMODULE ThisModule() {
  HMODULE module = nullptr;
  GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCSTR>(&ThisModule), &module);
  return module;
}

// The resource's bytes, which live as long as the module; empty when it has none.
std::span<const uint8_t> ResourceBytes(const char* type, const std::string& name) {
  const HMODULE module = ThisModule();
  HRSRC found = FindResourceA(module, name.c_str(), type);
  if (found == nullptr) return {};
  HGLOBAL loaded = LoadResource(module, found);
  if (loaded == nullptr) return {};
  return {static_cast<const uint8_t*>(LockResource(loaded)), SizeofResource(module, found)};
}

struct KeptImage {
  FaceImage view{};
  skin::DecodedImage decoded;
};

}  // namespace

const skin::SkinDescription& Description() {
  static const skin::SkinDescription description = [] {
    const std::span<const uint8_t> bytes = ResourceBytes(MAKEINTRESOURCEA(10), "SKIN");  // RT_RCDATA
    try {
      return skin::SkinDescription::Parse({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
    } catch (const std::exception&) {
      return skin::SkinDescription{};
    }
  }();
  return description;
}

const FaceImage* SkinPng(std::string_view name) {
  static std::mutex mutex;
  static std::map<std::string, std::unique_ptr<KeptImage>, std::less<>> images;
  const std::lock_guard lock(mutex);
  if (const auto kept = images.find(name); kept != images.end()) return kept->second ? &kept->second->view : nullptr;
  const std::string key(name);
  const std::span<const uint8_t> bytes = ResourceBytes("PNG", key);
  std::unique_ptr<KeptImage>& slot = images[key];
  if (bytes.empty()) return nullptr;
  slot = std::make_unique<KeptImage>();
  slot->decoded = skin::DecodeImage(bytes);
  FaceImage& view = slot->view;
  view.png = bytes.data();
  view.png_size = static_cast<uint32_t>(bytes.size());
  if (slot->decoded.error.empty()) {
    view.width = slot->decoded.width;
    view.height = slot->decoded.height;
    view.bgra = slot->decoded.bgra.data();
  } else {
    view.error = slot->decoded.error.c_str();
  }
  return &view;
}

}  // namespace ruzi::face
