#include <windows.h>

#include "platform/text_encoding.h"
#include "ui/font.h"

namespace ruzi {

HFONT__* TFont::Handle() const {
  if (handle_ != nullptr) return handle_;
  LOGFONTW description{};
  description.lfHeight = height_;
  description.lfWeight = style_.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
  description.lfItalic = style_.Contains(TFontStyle::fsItalic);
  description.lfUnderline = style_.Contains(TFontStyle::fsUnderline);
  description.lfStrikeOut = style_.Contains(TFontStyle::fsStrikeOut);
  description.lfCharSet = static_cast<BYTE>(charset_);
  description.lfQuality = DEFAULT_QUALITY;
  const std::wstring face = platform::GbkToWide(name_);
  lstrcpynW(description.lfFaceName, face.c_str(), LF_FACESIZE);
  handle_ = CreateFontIndirectW(&description);
  return handle_;
}

void TFont::DeleteHandle(HFONT__* handle) {
  if (handle != nullptr) DeleteObject(handle);
}

}  // namespace ruzi
