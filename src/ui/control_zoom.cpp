#include "ui/control_zoom.h"

#include <string>

#include "foundation/property_access.h"
#include "platform/ascii_case.h"
#include "ui/win_control.h"

namespace ruzi {

bool TControlZoom::InheritsFromClass(std::string_view class_name) const {
  for (const TClassRecord* record = control_.ClassType(); record != nullptr; record = record->Parent) {
    if (AsciiEqualIgnoreCase(record->Name, class_name)) return true;
  }
  return false;
}

bool TControlZoom::HasFont() const { return PropertyExists(control_, "FONT"); }

bool TControlZoom::IsWindowed() const { return dynamic_cast<const TWinControl*>(&control_) != nullptr; }

int TControlZoom::ItemHeight() const {
  if (!PropertyExists(control_, "ItemHeight")) return 0;
  return std::stoi(GetPropText(control_, "ItemHeight"));
}

void TControlZoom::SetItemHeight(int height) {
  if (PropertyExists(control_, "ItemHeight")) SetPropText(control_, "ItemHeight", std::to_string(height));
}

int TControlZoom::ControlCount() const {
  const auto* windowed = dynamic_cast<const TWinControl*>(&control_);
  return windowed != nullptr ? windowed->ControlCount() : 0;
}

IZoomColumns* TControlZoom::Columns() {
  auto* holder = dynamic_cast<IZoomColumnsHolder*>(&control_);
  return holder != nullptr ? holder->ZoomColumns() : nullptr;
}

IZoomControl* TControlZoom::Controls(int index) const {
  const auto& windowed = dynamic_cast<const TWinControl&>(control_);
  TControl* child = windowed.Controls(index);
  if (children_.size() != static_cast<size_t>(windowed.ControlCount())) children_.clear();
  if (children_.empty()) children_.resize(static_cast<size_t>(windowed.ControlCount()));
  auto& view = children_[static_cast<size_t>(index)];
  if (view == nullptr || &view->control_ != child) view = std::make_unique<TControlZoom>(*child);
  return view.get();
}

}  // namespace ruzi
