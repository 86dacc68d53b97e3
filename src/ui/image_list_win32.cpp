#include <windows.h>
#include <commctrl.h>

#include <iterator>

#include "foundation/error.h"
#include "ui/bitmap.h"
#include "ui/canvas.h"
#include "ui/icon.h"
#include "ui/image_list.h"

namespace ruzi {

const TPropertyTable* TImageList::PublishedTable() {
  static const TPropertyInfo properties[] = {Published<&TImageList::Height, &TImageList::SetHeight>("Height"),
                                             Published<&TImageList::Width, &TImageList::SetWidth>("Width")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() {
  if (handle_ != nullptr) ImageList_Destroy(handle_);
}

void TImageList::SetWidth(int width) { Resize(width, height_); }

void TImageList::SetHeight(int height) { Resize(width_, height); }

void TImageList::Resize(int width, int height) {
  if (width <= 0 || height <= 0) throw Error("Invalid image size " + std::to_string(width) + " x " + std::to_string(height));
  if (width == width_ && height == height_) return;
  width_ = width;
  height_ = height;
  if (handle_ != nullptr) ImageList_Destroy(handle_);
  handle_ = nullptr;
}

_IMAGELIST* TImageList::Handle() {
  if (handle_ == nullptr) {
    handle_ = ImageList_Create(width_, height_, ILC_COLOR32 | ILC_MASK, 4, 4);
    if (handle_ == nullptr) throw Error("Cannot create an image list");
  }
  return handle_;
}

int TImageList::Count() const { return handle_ != nullptr ? ImageList_GetImageCount(handle_) : 0; }

void TImageList::CheckIndex(int index) const {
  if (index < 0 || index >= Count()) throw Error("Invalid image index (" + std::to_string(index) + ")");
}

namespace {

// Image lists copy from a bitmap no DC holds.
HBITMAP Unselected(TBitmap& bitmap) {
  GdiFlush();
  return bitmap.Handle();
}

}  // namespace

int TImageList::Add(TBitmap& image, TBitmap* mask) {
  // Copies: the list reads bitmaps no DC holds, and the caller's may be held by its canvas.
  TBitmap copy;
  copy.Assign(&image);
  TBitmap mask_copy;
  if (mask != nullptr) mask_copy.Assign(mask);
  const int index =
      ImageList_Add(Handle(), Unselected(copy), mask != nullptr ? Unselected(mask_copy) : nullptr);
  if (index < 0) throw Error("Cannot add the image to the image list");
  return index;
}

int TImageList::AddMasked(TBitmap& image, TColor mask_color) {
  TBitmap copy;
  copy.Assign(&image);
  const int index = ImageList_AddMasked(Handle(), Unselected(copy), ColorToRGB(mask_color));
  if (index < 0) throw Error("Cannot add the image to the image list");
  return index;
}

int TImageList::AddIcon(TIcon& icon) {
  const int index = ImageList_AddIcon(Handle(), icon.Handle());
  if (index < 0) throw Error("Cannot add the icon to the image list");
  return index;
}

void TImageList::Delete(int index) {
  CheckIndex(index);
  ImageList_Remove(handle_, index);
}

void TImageList::Clear() {
  if (handle_ != nullptr) ImageList_Remove(handle_, -1);
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  CheckIndex(index);
  const UINT style = enabled ? ILD_NORMAL : ILD_NORMAL | ILD_BLEND50;
  ImageList_DrawEx(handle_, index, canvas.Handle(), x, y, 0, 0, CLR_NONE, enabled ? CLR_DEFAULT : CLR_NONE, style);
}

void TImageList::GetBitmap(int index, TBitmap& bitmap) {
  CheckIndex(index);
  bitmap.SetSize(width_, height_);
  TCanvas& canvas = bitmap.Canvas();
  canvas.Brush().SetColor(clWhite);
  canvas.FillRect(TRect{0, 0, width_, height_});
  ImageList_Draw(handle_, index, canvas.Handle(), 0, 0, ILD_NORMAL);
}

void TImageList::GetIcon(int index, TIcon& icon) {
  CheckIndex(index);
  icon.SetHandle(ImageList_GetIcon(handle_, index, ILD_NORMAL));
}

}  // namespace ruzi
