#include <windows.h>

#include "foundation/error.h"
#include "platform/text_encoding.h"
#include "ui/canvas.h"
#include "ui/icon.h"

namespace ruzi {

TIcon::~TIcon() {
  if (handle_ != nullptr) DestroyIcon(handle_);
}

void TIcon::SetHandle(HICON__* icon) {
  if (icon == handle_) return;
  if (handle_ != nullptr) DestroyIcon(handle_);
  handle_ = icon;
  width_ = height_ = 0;
  ICONINFO info{};
  if (icon != nullptr && GetIconInfo(icon, &info)) {
    BITMAP mask{};
    GetObjectW(info.hbmMask, sizeof mask, &mask);
    width_ = mask.bmWidth;
    // Without a colour bitmap the mask holds the AND and XOR halves one over the other.
    height_ = info.hbmColor != nullptr ? mask.bmHeight : mask.bmHeight / 2;
    if (info.hbmColor != nullptr) DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
  Changed();
}

HICON__* TIcon::ReleaseHandle() {
  HICON__* icon = handle_;
  handle_ = nullptr;
  width_ = height_ = 0;
  return icon;
}

void TIcon::Draw(TCanvas& canvas, const TRect& rect) {
  if (handle_ == nullptr) return;
  DrawIconEx(canvas.Handle(), rect.Left, rect.Top, handle_, rect.Width(), rect.Height(), 0, nullptr, DI_NORMAL);
}

void TIcon::LoadFromFile(const std::string& path) {
  HANDLE icon = LoadImageW(nullptr, platform::GbkToWide(path).c_str(), IMAGE_ICON, 0, 0, LR_LOADFROMFILE);
  if (icon == nullptr) throw Error("Cannot load icon " + path);
  SetHandle(static_cast<HICON>(icon));
}

TGraphic* TIcon::Clone() const {
  auto* copy = new TIcon;
  if (handle_ != nullptr) copy->SetHandle(CopyIcon(handle_));
  return copy;
}

void TIcon::Assign(TPersistent* source) {
  auto* other = dynamic_cast<TIcon*>(source);
  if (other == nullptr) {
    TGraphic::Assign(source);
    return;
  }
  if (other != this) SetHandle(other->handle_ != nullptr ? CopyIcon(other->handle_) : nullptr);
}

}  // namespace ruzi
