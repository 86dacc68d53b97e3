// The form zoom under Wine: a form of 1,000 controls zoomed from rate 100 to 125 and back,
// against a plain loop that moves the same controls to the same bounds; twice: model controls
// each over a bare child window (the zoom's own cost), then a shown TZoomForm of real controls
// whose windows exist from the moment they join it (what a user's form costs, fonts included).
// Best of seven runs in wall time (window moves are partly done by the window server, outside
// this thread's CPU time). Goal: the zoom within 1.5 x the plain loop.
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <vector>

#include "ui/button.h"
#include "ui/check_box.h"
#include "ui/control_model.h"
#include "ui/edit.h"
#include "ui/form_zoom.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/panel.h"
#include "ui/qx_combo_boxes.h"
#include "ui/zoom_form.h"

namespace {

using namespace ruzi;

// A model control whose bounds are also its window's.
class WindowControl : public TControlModel {
 public:
  WindowControl(const char* class_name, TRect bounds, HWND parent)
      : TControlModel(class_name, bounds),
        handle_(CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE, bounds.Left, bounds.Top, bounds.Width(),
                                bounds.Height(), parent, nullptr, GetModuleHandleA(nullptr), nullptr)) {}
  void SetBounds(int left, int top, int width, int height) override {
    TControlModel::SetBounds(left, top, width, height);
    MoveWindow(handle_, left, top, width, height, FALSE);
  }
  HWND Handle() const { return handle_; }

 private:
  HWND handle_;
};

class TimedForm : public IZoomForm {
 public:
  TimedForm() : root_("TForm", {0, 0, 1000, 700}) {}
  TControlModel& Root() { return root_; }
  IZoomControl& FormControl() override { return root_; }
  TSize MonitorSize() const override { return {1024, 768}; }
  void SetScaled(bool) override {}
  std::vector<IZoomMenuItem*> OwnerDrawMenus() override { return {}; }
  bool Visible() const override { return false; }
  void SetVisible(bool) override {}
  bool IsMdiForm() const override { return false; }
  void CentreOnOwner() override {}

 private:
  TControlModel root_;
};

const char* const kChildClasses[] = {"TEdit", "TLabel", "TButton", "TQxComboBox", "TCheckBox", "TImage"};

// 40 panels of 24 controls each: 1,000 windows.
std::vector<WindowControl*> BuildForm(TimedForm& form, HWND window) {
  std::vector<WindowControl*> controls;
  for (int panel_index = 0; panel_index < 40; ++panel_index) {
    const int top = 4 + (panel_index % 10) * 70, left = 4 + (panel_index / 10) * 250;
    auto panel = std::make_unique<WindowControl>("TPanel", TRect{left, top, left + 240, top + 66}, window);
    WindowControl* panel_control = panel.get();
    panel_control->SetFontSize(9);
    form.Root().AddChild(std::move(panel));
    controls.push_back(panel_control);
    for (int child = 0; child < 24; ++child) {
      const int x = 2 + (child % 6) * 39, y = 2 + (child / 6) * 16;
      auto control = std::make_unique<WindowControl>(kChildClasses[child % 6], TRect{x, y, x + 37, y + 14},
                                                     panel_control->Handle());
      control->SetFontSize(9);
      controls.push_back(control.get());
      panel_control->AddChild(std::move(control));
    }
  }
  return controls;
}

double Seconds(const std::chrono::steady_clock::time_point start) {
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

template <typename Work>
double BestOfSeven(Work work) {
  double best = 0;
  for (int run = 0; run < 7; ++run) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const double seconds = Seconds(start);
    if (run == 0 || seconds < best) best = seconds;
  }
  return best;
}

// Zooms there and back against moving every control to the bounds the zoom gives.
template <typename Control, typename Zoom>
void Compare(const char* what, const std::vector<Control*>& controls, Zoom zoom_to) {
  std::vector<TRect> designed, zoomed;
  for (Control* control : controls) designed.push_back(control->BoundsRect());
  zoom_to(125);
  for (Control* control : controls) zoomed.push_back(control->BoundsRect());
  zoom_to(100);
  const auto move_all = [&](const std::vector<TRect>& bounds) {
    for (size_t index = 0; index < controls.size(); ++index) {
      const TRect& rect = bounds[index];
      controls[index]->SetBounds(rect.Left, rect.Top, rect.Width(), rect.Height());
    }
  };
  const double plain = BestOfSeven([&] {
    move_all(zoomed);
    move_all(designed);
  });
  const double zooming = BestOfSeven([&] {
    zoom_to(125);
    zoom_to(100);
  });
  std::printf("%s: %zu controls\n", what, controls.size());
  std::printf("  plain SetBounds loop, 2 moves %.3f ms\n", plain * 1e3);
  std::printf("  zoom 100 -> 125 -> 100        %.3f ms\n", zooming * 1e3);
  std::printf("  zoom / plain                  %.2f (goal <= 1.50)\n", zooming / plain);
}

TControl* RealControl(int kind, TComponent* owner) {
  switch (kind % 6) {
    case 0: return new TEdit(owner);
    case 1: return new TLabel(owner);
    case 2: return new TButton(owner);
    case 3: return new TQxComboBox(owner);
    case 4: return new TCheckBox(owner);
    default: return new TImage(owner);
  }
}

// The same layout of real controls on a shown zoom form: each window made as it joins.
void RealForm() {
  TZoomForm form;
  form.SetBounds(0, 0, 1000, 700);
  form.Show();
  std::vector<TControl*> controls;
  for (int panel_index = 0; panel_index < 40; ++panel_index) {
    const int top = 4 + (panel_index % 10) * 70, left = 4 + (panel_index / 10) * 250;
    auto* panel = new TPanel(&form);
    panel->SetBounds(left, top, 240, 66);
    panel->SetParent(&form);
    controls.push_back(panel);
    for (int child = 0; child < 24; ++child) {
      TControl* control = RealControl(child, &form);
      control->SetBounds(2 + (child % 6) * 39, 2 + (child / 6) * 16, 37, 14);
      control->SetParent(panel);
      controls.push_back(control);
    }
  }
  Compare("real controls on a shown TZoomForm", controls, [&](double rate) { form.SetFResolutionRate(rate); });
}

}  // namespace

int main() {
  HWND window = CreateWindowExA(0, "STATIC", "zoom timing", WS_OVERLAPPEDWINDOW, 0, 0, 1100, 800, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
  TimedForm form;
  const std::vector<WindowControl*> controls = BuildForm(form, window);

  TFormZoom zoom(form);
  Compare("model controls over bare windows", controls, [&](double rate) { zoom.SetFResolutionRate(rate); });
  DestroyWindow(window);
  RealForm();
  return 0;
}
