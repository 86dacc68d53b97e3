#include "ui/status_bar.h"

#include <iterator>

namespace ruzi {
namespace {

constexpr uint32_t kNoResize = 0x4, kNoParentAlign = 0x8, kSizeGrip = 0x100;  // CCS_..., SBARS_SIZEGRIP

}  // namespace

const TPropertyTable* TStatusBar::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TStatusBar::PanelsText, &TStatusBar::SetPanelsText>("Panels"),
      Published<&TStatusBar::SimplePanel, &TStatusBar::SetSimplePanel>("SimplePanel"),
      Published<&TStatusBar::SimpleText, &TStatusBar::SetSimpleText>("SimpleText"),
      Published<&TStatusBar::SizeGrip, &TStatusBar::SetSizeGrip>("SizeGrip")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TStatusBar::TStatusBar(TComponent* owner)
    : TWinControl(owner),
      panels_(TEvent<>{[](void* bar) { static_cast<TStatusBar*>(bar)->UpdateWindowPanels(); }, this}) {
  SetBounds(0, 0, 200, 19);
  SetAlign(TAlign::alBottom);
}

void TStatusBar::SetSimplePanel(bool simple) {
  simple_panel_ = simple;
  UpdateWindowPanels();
}

void TStatusBar::SetSimpleText(const std::string& text) {
  simple_text_ = text;
  UpdateWindowPanels();
}

void TStatusBar::SetSizeGrip(bool size_grip) {
  if (size_grip == size_grip_) return;
  size_grip_ = size_grip;
  if (HandleAllocated()) {
    DestroyHandle();
    Handle();
  }
}

std::vector<int> TStatusBar::PanelEdges() const {
  std::vector<int> edges;
  int right = 0;
  for (int index = 0; index < panels_.Count(); ++index) {
    const int width = panels_.Items(index).Width();
    // A panel of width -1 stretches, and so does the last one.
    if (width < 0 || index == panels_.Count() - 1) {
      edges.push_back(-1);
      break;
    }
    right += width;
    edges.push_back(right);
  }
  return edges;
}

void TStatusBar::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = "msctls_statusbar32";
  // Our alignment places the bar; the system's own placing would fight it.
  params.Style |= kNoResize | kNoParentAlign | (size_grip_ ? kSizeGrip : 0);
}

void TStatusBar::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateWindowPanels();
}

}  // namespace ruzi
