#include "ui/control_model.h"

#include "foundation/error.h"
#include "platform/ascii_case.h"

namespace ruzi {

TControlModel::TControlModel(std::string class_name, TRect bounds, std::vector<std::string> ancestors)
    : class_name_(std::move(class_name)), ancestors_(std::move(ancestors)), bounds_(bounds) {}

TControlModel& TControlModel::AddChild(std::string class_name, TRect bounds, std::vector<std::string> ancestors) {
  return AddChild(std::make_unique<TControlModel>(std::move(class_name), bounds, std::move(ancestors)));
}

TControlModel& TControlModel::AddChild(std::unique_ptr<TControlModel> child) {
  children_.push_back(std::move(child));
  return *children_.back();
}

std::string TControlModel::ClassName() const { return class_name_; }

bool TControlModel::InheritsFromClass(std::string_view class_name) const {
  if (AsciiEqualIgnoreCase(class_name_, class_name)) return true;
  for (const std::string& ancestor : ancestors_) {
    if (AsciiEqualIgnoreCase(ancestor, class_name)) return true;
  }
  return false;
}

TRect TControlModel::BoundsRect() const { return bounds_; }

void TControlModel::SetBounds(int left, int top, int width, int height) {
  bounds_ = TRect{left, top, left + width, top + height};
}

TAlign TControlModel::Align() const { return align_; }

void TControlModel::SetAlign(TAlign align) { align_ = align; }

bool TControlModel::HasFont() const { return font_size_.has_value(); }

int TControlModel::FontSize() const { return font_size_.value_or(0); }

void TControlModel::SetFontSize(int size) { font_size_ = size; }


bool TControlModel::IsWindowed() const { return windowed_; }

void TControlModel::SetWindowed(bool windowed) { windowed_ = windowed; }

int TControlModel::ControlCount() const { return static_cast<int>(children_.size()); }

IZoomControl* TControlModel::Controls(int index) const { return &Child(index); }

TControlModel& TControlModel::Child(int index) const {
  if (index < 0 || index >= ControlCount()) {
    throw Error("Control index out of bounds (" + std::to_string(index) + ")");
  }
  return *children_[static_cast<size_t>(index)];
}

void TControlModel::SetStretch(bool stretch) { stretch_ = stretch; }

bool TControlModel::Stretch() const { return stretch_; }

int TControlModel::ItemHeight() const { return item_height_; }

void TControlModel::SetItemHeight(int height) { item_height_ = height; }

}  // namespace ruzi
