#include "ui/form_zoom.h"

#include <algorithm>
#include <cmath>
#include <climits>
#include <exception>
#include <functional>

#include "foundation/error.h"
#include "foundation/format_float.h"
#include "platform/ascii_case.h"

namespace ruzi {

enum class ZoomRule : int { Plain, Label, Splitter, Image, ItemHeightCombo, DBGridEh, VirtualStringTree };

namespace {

// Found by exact class name, letter case ignored.
ZoomRule RuleOf(const IZoomControl& control) {
  static constexpr struct {
    const char* name;
    ZoomRule rule;
  } kRules[] = {
      {"TLabel", ZoomRule::Label},
      {"TSplitter", ZoomRule::Splitter},
      {"TImage", ZoomRule::Image},
      // The client's combo boxes carry an item height of their own, which scales like a height.
      {"TQxComboBox", ZoomRule::ItemHeightCombo},
      {"TBoundQxComboBox", ZoomRule::ItemHeightCombo},
      {"TBoundComboBox", ZoomRule::ItemHeightCombo},
      {"TDBGridEh", ZoomRule::DBGridEh},
      {"TVirtualStringTree", ZoomRule::VirtualStringTree},
  };
  const std::string name = control.ClassName();
  for (const auto& entry : kRules) {
    if (AsciiEqualIgnoreCase(name, entry.name)) return entry.rule;
  }
  return ZoomRule::Plain;
}

bool IsFrame(const IZoomControl& control) {
  return control.InheritsFromClass("TFrame") || control.InheritsFromClass("TFrameHQ");
}

// A step of the zoom; its failure is reported with the step's name.
void RunStep(const char* name, const std::function<void()>& step) {
  try {
    step();
  } catch (const std::exception& error) {
    throw Error(std::string("窗体自适应调用") + name + "时出现错误" + error.what());
  }
}

// Columns of a grid or tree; a failure names the adjustment.
void RunColumnStep(const char* text, const std::function<void()>& step) {
  try {
    step();
  } catch (const std::exception& error) {
    throw Error(error.what() + std::string(text));
  }
}

const TZoomEntry& EntryAt(const std::vector<TZoomEntry>& list, int index) {
  if (index < 0 || index >= static_cast<int>(list.size())) {
    throw Error("List index out of bounds (" + std::to_string(index) + ")");
  }
  return list[static_cast<size_t>(index)];
}

template <typename T>
const T& SavedAs(const std::vector<TZoomEntry>& list, int index) {
  const T* value = std::get_if<T>(&EntryAt(list, index));
  if (value == nullptr) throw Error("Saved zoom entry " + std::to_string(index) + " is of another kind");
  return *value;
}

// Shows the form again however the zoom ends.
class ShowAgain {
 public:
  explicit ShowAgain(IZoomForm& form, bool shown) : form_(form), shown_(shown) {}
  ~ShowAgain() {
    if (shown_) form_.SetVisible(true);
  }
  ShowAgain(const ShowAgain&) = delete;
  ShowAgain& operator=(const ShowAgain&) = delete;

 private:
  IZoomForm& form_;
  bool shown_;
};

// Frees the zoom's lists however ZoomFormInfo ends.
class ListsFreed {
 public:
  explicit ListsFreed(TFormZoom& zoom) : zoom_(zoom) {}
  ~ListsFreed() { zoom_.FreeList(); }
  ListsFreed(const ListsFreed&) = delete;
  ListsFreed& operator=(const ListsFreed&) = delete;

 private:
  TFormZoom& zoom_;
};

}  // namespace

int ZoomRound(double value) {
  const double rounded = std::rint(value);
  if (!(rounded > INT_MIN)) return INT_MIN;
  if (!(rounded < INT_MAX)) return INT_MAX;
  return static_cast<int>(rounded);
}

TFormZoom::TFormZoom(IZoomForm& form, TZoomStart start) : form_(form), start_(start) {}

void TFormZoom::SetScreenSize(int width, int height) {
  fields_.ScreenWidth = width;
  fields_.ScreenHeight = height;
}

void TFormZoom::SetFResolutionRate(double rate) {
  if (!std::isfinite(rate) || rate <= 0) return;
  if (FormatFloat("0.0000", rate) == FormatFloat("0.0000", fields_.ResolutionRate)) return;
  const double factor = rate / fields_.ResolutionRate;
  fields_.ResolutionRate = rate;
  if (!std::isfinite(factor) || factor < 0 || FormatFloat("0.0000", factor) == "1.0000") return;
  fields_.ZoomFactor = factor;
  const bool was_visible = form_.Visible();
  {
    ShowAgain show_again(form_, was_visible);
    if (was_visible && !form_.IsMdiForm()) form_.SetVisible(false);
    fields_.AutoResolution = false;
    ZoomFormInfo();
  }
  if (fields_.CentreOnOwner) form_.CentreOnOwner();
}

void TFormZoom::SetAutoResolution(bool automatic) { fields_.AutoResolution = automatic; }

void TFormZoom::FormShowing() {
  if (start_ != TZoomStart::AtFirstShow || fields_.FirstShowDone) return;
  fields_.FirstShowDone = true;
  ZoomFormInfo();
}

void TFormZoom::ZoomFormInfo() {
  if (!fields_.ZoomEnabled) {
    fields_.ZoomFactor = 100.0;
    return;
  }
  InitList();
  ListsFreed lists_freed(*this);
  const bool design_size = ScreenSize() == TSize{kZoomBaseWidth, kZoomBaseHeight};
  if (!(design_size && FactorUncomputed())) {
    IZoomControl& form = form_.FormControl();
    RunStep("CalBasicScalePars", [&] { CalBasicScalePars(); });
    RunStep("StoreMemuList", [&] { StoreMemuList(); });
    RunStep("AdjustMenuItem", [&] { AdjustMenuItem(); });
    RunStep("StoreControlsPostoList", [&] { StoreControlsPostoList(form, fields_.ControlList); });
    if (!fields_.ControlList.empty()) {
      RunStep("AdjustControlsScale", [&] {
        int index = 0;
        AdjustControlsScale(form, fields_.ControlList, index);
      });
    }
  }
  DealFrameZoom();
}

void TFormZoom::AdjustControls(IZoomControl& control) {
  std::vector<TZoomEntry> list;
  StoreControlsPostoList(control, list);
  int index = 0;
  AdjustControlsScale(control, list, index);
  DealFrameZoom();
}

void TFormZoom::WMGETRESRATE(TMessage& message) const {
  message.Result = reinterpret_cast<intptr_t>(&fields_.ZoomFactor);
}

void TFormZoom::InitList() { FreeList(); }

void TFormZoom::CalBasicScalePars() {
  form_.SetScaled(false);
  if (fields_.ScreenHeight == 0 || fields_.ScreenWidth == 0) {
    const TSize monitor = form_.MonitorSize();
    fields_.ScreenWidth = monitor.cx;
    fields_.ScreenHeight = monitor.cy;
  }
  // A factor never computed would multiply everything by 100: it comes from the screen too.
  if (fields_.AutoResolution || FactorUncomputed()) {
    const double vertical = static_cast<double>(fields_.ScreenHeight) / kZoomBaseHeight;
    const double horizontal = static_cast<double>(fields_.ScreenWidth) / kZoomBaseWidth;
    fields_.ZoomFactor = std::max(vertical, horizontal);
  }
  fields_.HorizontalFactor = fields_.ZoomFactor;
  fields_.VerticalFactor = fields_.ZoomFactor;
  fields_.FontFactor = std::min(fields_.HorizontalFactor, fields_.VerticalFactor);
}

void TFormZoom::StoreMemuList() {
  for (IZoomMenuItem* item : form_.OwnerDrawMenus()) fields_.MenuList.push_back(item);
}

void TFormZoom::AdjustMenuItem() {
  for (IZoomMenuItem* item : fields_.MenuList) item->AttachZoomHandlers(*this);
}

void TFormZoom::MenuItemMeasureItem(int& width, int& height) const {
  width = ZoomRound(width * fields_.ZoomFactor) + 30;
  height = ZoomRound(height * fields_.ZoomFactor);
}

void TFormZoom::StoreControlsPostoList(IZoomControl& control, std::vector<TZoomEntry>& list) const {
  list.emplace_back(control.BoundsRect());
  if (control.HasFont()) list.emplace_back(control.FontSize());
  if (!control.IsWindowed()) return;
  for (int child = 0; child < control.ControlCount(); ++child) {
    StoreControlsPostoList(*control.Controls(child), list);
  }
}

void TFormZoom::AdjustControlsScale(IZoomControl& control, const std::vector<TZoomEntry>& list, int& index) {
  AdjustScale(control, list, index, false);
}

void TFormZoom::AdjustScale(IZoomControl& control, const std::vector<TZoomEntry>& list, int& index, bool in_frame) {
  const ZoomRule rule = RuleOf(control);
  IZoomColumns* columns = control.Columns();
  if (columns != nullptr && rule == ZoomRule::DBGridEh) {
    RunColumnStep(" 调用AdjustDBGridEHColumns时出现错误", [&] { AdjustDBGridEHColumns(*columns); });
  } else if (columns != nullptr && rule == ZoomRule::VirtualStringTree) {
    RunColumnStep(" 调用AdjustTVirtualStringTree时出现错误", [&] { AdjustTVirtualStringTree(*columns); });
  }
  const bool fills_parent = control.Align() == TAlign::alClient;
  if (!fills_parent) AdjustBounds(control, rule, SavedAs<TRect>(list, index), in_frame);
  if (rule == ZoomRule::Image) control.SetStretch(fills_parent);
  if (rule == ZoomRule::ItemHeightCombo) {
    control.SetItemHeight(ZoomRound(control.ItemHeight() * fields_.VerticalFactor));
  }
  if (control.HasFont()) {
    ++index;
    control.SetFontSize(ZoomRound(SavedAs<int>(list, index) * fields_.FontFactor));
  }
  ++index;
  if (!control.IsWindowed()) return;
  const bool children_in_frame = in_frame || IsFrame(control);
  for (int child = 0; child < control.ControlCount(); ++child) {
    AdjustScale(*control.Controls(child), list, index, children_in_frame);
  }
}

void TFormZoom::AdjustBounds(IZoomControl& control, ZoomRule rule, const TRect& saved, bool in_frame) {
  const int left = ZoomRound(saved.Left * fields_.HorizontalFactor);
  const int right = ZoomRound(saved.Right * fields_.HorizontalFactor);
  const int top = ZoomRound(saved.Top * fields_.VerticalFactor);
  const int bottom = ZoomRound(saved.Bottom * fields_.VerticalFactor);
  if (in_frame) {
    StoreFrameState(control, left, top, right - left, bottom - top);
    return;
  }
  if (rule == ZoomRule::Splitter) return;
  const bool label = rule == ZoomRule::Label;
  control.SetBounds(left, top, right - left + (label ? 3 : 0), bottom - top + (label ? 5 : 0));
}

void TFormZoom::StoreFrameState(IZoomControl& control, int left, int top, int width, int height) {
  fields_.FrameList.push_back(TFrameState{&control, left, top, width, height});
}

void TFormZoom::DealFrameZoom() {
  for (const TFrameState& state : fields_.FrameList) {
    state.Control->SetBounds(state.Left, state.Top, state.Width, state.Height);
  }
  FreeList();
}

void TFormZoom::FreeList() {
  fields_.MenuList.clear();
  fields_.FrameList.clear();
  fields_.ControlList.clear();
}

TSize TFormZoom::ScreenSize() const {
  if (fields_.ScreenWidth != 0 && fields_.ScreenHeight != 0) return TSize{fields_.ScreenWidth, fields_.ScreenHeight};
  return form_.MonitorSize();
}

bool TFormZoom::FactorUncomputed() const { return FormatFloat("0", fields_.ZoomFactor) == "100"; }

}  // namespace ruzi
