#include "ui/tool_bar.h"

#include <iterator>

#include "ui/image_list.h"
#include "ui/reference_property.h"
#include "ui/window_message_ids.h"

namespace ruzi {
namespace {

constexpr int kSeparatorWidth = 8;
constexpr int kBarBorder = 2;  // above the buttons

}  // namespace

// The image list of that name beside the bar (tool_bar_win32.cpp: image lists exist only over
// the Windows API).
TImageList* FindToolBarImages(TToolBar& bar, const std::string& name);

const TPropertyTable* TToolBar::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TToolBar::ButtonHeight, &TToolBar::SetButtonHeight>("ButtonHeight"),
      Published<&TToolBar::ButtonWidth, &TToolBar::SetButtonWidth>("ButtonWidth"),
      Published<&TToolBar::Flat, &TToolBar::SetFlat>("Flat"),
      PublishedReference<&TToolBar::Images, &TToolBar::SetImages, &FindToolBarImages>("Images"),
      Published<&TToolBar::Indent, &TToolBar::SetIndent>("Indent"),
      Published<&TToolBar::ShowCaptions, &TToolBar::SetShowCaptions>("ShowCaptions")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TToolBar::TToolBar(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 150, 29);
  SetAlign(TAlign::alTop);
}

void TToolBar::SetButtonWidth(int width) {
  button_width_ = width;
  ArrangeButtons();
}

void TToolBar::SetButtonHeight(int height) {
  button_height_ = height;
  ArrangeButtons();
}

void TToolBar::SetShowCaptions(bool show) {
  show_captions_ = show;
  Invalidate();
}

void TToolBar::SetFlat(bool flat) {
  flat_ = flat;
  Invalidate();
}

void TToolBar::SetIndent(int indent) {
  indent_ = indent;
  ArrangeButtons();
}

void TToolBar::SetImages(TImageList* images) {
  images_ = images;
  Invalidate();
}

void TToolBar::Notification(TComponent* component, TOperation operation) {
  TCustomControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == images_) images_ = nullptr;
}

void TToolBar::ArrangeButtons() {
  int left = indent_;
  for (int index = 0; index < ControlCount(); ++index) {
    auto* button = dynamic_cast<TToolButton*>(Controls(index));
    if (button == nullptr || !button->Visible()) continue;
    const bool gap = button->Style() == TToolButtonStyle::tbsSeparator || button->Style() == TToolButtonStyle::tbsDivider;
    const int width = gap ? kSeparatorWidth : button_width_;
    button->SetBounds(left, kBarBorder, width, button_height_);
    left += width;
  }
  Invalidate();
}

const TPropertyTable* TToolButton::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TToolButton::Down, &TToolButton::SetDown>("Down"),
      Published<&TToolButton::ImageIndex, &TToolButton::SetImageIndex>("ImageIndex"),
      Published<&TToolButton::Style, &TToolButton::SetStyle>("Style")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TToolButton::TToolButton(TComponent* owner) : TGraphicControl(owner) { SetBounds(0, 0, 23, 22); }

TToolButton::~TToolButton() {
  // Off the bar first, so that the buttons after it close up.
  SetParent(nullptr);
}

TToolBar* TToolButton::ToolBar() const { return dynamic_cast<TToolBar*>(Parent()); }

void TToolButton::SetParent(TWinControl* parent) {
  TToolBar* old = ToolBar();
  TGraphicControl::SetParent(parent);
  if (old != nullptr) old->ArrangeButtons();
  if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
}

void TToolButton::SetStyle(TToolButtonStyle style) {
  style_ = style;
  if (TToolBar* bar = ToolBar()) bar->ArrangeButtons();
}

void TToolButton::SetDown(bool down) {
  if (down == down_) return;
  down_ = down;
  Invalidate();
}

void TToolButton::SetImageIndex(int index) {
  image_index_ = index;
  Invalidate();
}

void TToolButton::Click() {
  if (style_ == TToolButtonStyle::tbsCheck) SetDown(!down_);
  TGraphicControl::Click();
}

void TToolButton::WndProc(TMessage& message) {
  if (message.Msg == wm::LButtonDown || message.Msg == wm::LButtonUp) {
    pressed_ = message.Msg == wm::LButtonDown;
    Invalidate();
  }
  TGraphicControl::WndProc(message);
}

}  // namespace ruzi
