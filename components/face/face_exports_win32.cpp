// The face library's exports: the fourteen skin queries and LoadSkinPng (face_library.h).
#include <windows.h>

#include <cstring>
#include <string>

#include "face_skin.h"

namespace {

using ruzi::skin::SkinFamily;

const std::string* Find(SkinFamily family, const char* element, const char* attribute) {
  if (attribute == nullptr) return nullptr;
  return ruzi::face::Description().Find(family, element ? element : "", attribute);
}

int32_t CopyOut(const std::string* value, char* buffer, int32_t buffer_size) {
  const std::string text = value ? *value : std::string();
  if (buffer != nullptr && buffer_size > 0) {
    const size_t copied = std::min<size_t>(text.size(), static_cast<size_t>(buffer_size) - 1);
    std::memcpy(buffer, text.data(), copied);
    buffer[copied] = '\0';
  }
  return static_cast<int32_t>(text.size());
}

uint32_t Colour(const std::string* value) { return value ? ruzi::skin::ParseSkinColour(*value) : 0; }
uint8_t Flag(const std::string* value) { return value && ruzi::skin::ParseSkinFlag(*value) ? 1 : 0; }
int32_t Integer(const std::string* value) { return value ? ruzi::skin::ParseSkinInteger(*value) : 0; }

}  // namespace

#define FACE_EXPORT extern "C" __declspec(dllexport)

FACE_EXPORT int32_t __stdcall GetSkinChildAttributeValue(const char* element, const char* attribute, char* buffer,
                                                         int32_t buffer_size) {
  return CopyOut(Find(SkinFamily::kChild, element, attribute), buffer, buffer_size);
}
FACE_EXPORT uint32_t __stdcall GetSkinChildAttributeValueAsTColor(const char* element, const char* attribute) {
  return Colour(Find(SkinFamily::kChild, element, attribute));
}
FACE_EXPORT uint8_t __stdcall GetSkinChildAttributeValueAsBool(const char* element, const char* attribute) {
  return Flag(Find(SkinFamily::kChild, element, attribute));
}
FACE_EXPORT int32_t __stdcall GetSkinChildAttributeValueAsInteger(const char* element, const char* attribute) {
  return Integer(Find(SkinFamily::kChild, element, attribute));
}
// A control's font lives in its element's "fontcolor", "fontname" and "fontsize".
FACE_EXPORT uint32_t __stdcall GetSkinChildFontColor(const char* element) {
  return Colour(Find(SkinFamily::kChild, element, "fontcolor"));
}
FACE_EXPORT int32_t __stdcall GetSkinChildFontName(const char* element, char* buffer, int32_t buffer_size) {
  return CopyOut(Find(SkinFamily::kChild, element, "fontname"), buffer, buffer_size);
}
FACE_EXPORT int32_t __stdcall GetSkinChildFontSize(const char* element) {
  return Integer(Find(SkinFamily::kChild, element, "fontsize"));
}
FACE_EXPORT uint32_t __stdcall GetSkinChildBgColor(const char* element, const char* attribute) {
  return Colour(Find(SkinFamily::kChild, element, attribute));
}
FACE_EXPORT int32_t __stdcall GetSkinRootAttributeValue(const char* attribute, char* buffer, int32_t buffer_size) {
  return CopyOut(Find(SkinFamily::kRoot, "", attribute), buffer, buffer_size);
}
FACE_EXPORT int32_t __stdcall GetSkinParentAttributeValue(const char* element, const char* attribute, char* buffer,
                                                          int32_t buffer_size) {
  return CopyOut(Find(SkinFamily::kParent, element, attribute), buffer, buffer_size);
}
FACE_EXPORT uint32_t __stdcall GetSkinParentAttributeValueAsTColor(const char* element, const char* attribute) {
  return Colour(Find(SkinFamily::kParent, element, attribute));
}
FACE_EXPORT uint8_t __stdcall GetSkinParentAttributeValueAsBool(const char* element, const char* attribute) {
  return Flag(Find(SkinFamily::kParent, element, attribute));
}
FACE_EXPORT int32_t __stdcall GetSkinParentAttributeValueAsInteger(const char* element, const char* attribute) {
  return Integer(Find(SkinFamily::kParent, element, attribute));
}
FACE_EXPORT uint32_t __stdcall GetSkinPublicColor(const char* name) {
  return Colour(Find(SkinFamily::kPublic, "", name));
}
FACE_EXPORT const FaceImage* __stdcall LoadSkinPng(const char* name) {
  return name ? ruzi::face::SkinPng(name) : nullptr;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
