#include "ui/splitter.h"

#include <algorithm>
#include <iterator>

#include "ui/splitter_size.h"
#include "ui/window_message_ids.h"

namespace ruzi {
namespace {

bool Horizontal(TAlign align) { return align == TAlign::alLeft || align == TAlign::alRight; }

int SizeAlong(const TControl& control, TAlign align) { return Horizontal(align) ? control.Width() : control.Height(); }

// Whether `control` lies against the splitter on the side its alignment leads from.
bool Touches(const TControl& control, const TControl& splitter) {
  const TRect& c = control.BoundsRect();
  const TRect& s = splitter.BoundsRect();
  switch (splitter.Align()) {
    case TAlign::alLeft: return c.Right == s.Left;
    case TAlign::alRight: return c.Left == s.Right;
    case TAlign::alTop: return c.Bottom == s.Top;
    case TAlign::alBottom: return c.Top == s.Bottom;
    default: return false;
  }
}

}  // namespace

int SplitterNewSize(TAlign align, int start_size, int delta, int min_size, int max_size) {
  const bool grows = align == TAlign::alLeft || align == TAlign::alTop;
  const int size = grows ? start_size + delta : start_size - delta;
  return std::max(min_size, std::min(size, max_size));
}

const TPropertyTable* TSplitter::PublishedTable() {
  static const TPropertyInfo properties[] = {Published<&TSplitter::MinSize, &TSplitter::SetMinSize>("MinSize")};
  static const TEventInfo events[] = {PublishedEvent<&TSplitter::OnMoved>("OnMoved")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner) {
  SetAlign(TAlign::alLeft);
  SetBounds(0, 0, 3, 100);
}

TControl* TSplitter::FindNeighbour() const {
  if (Parent() == nullptr) return nullptr;
  for (int index = 0; index < Parent()->ControlCount(); ++index) {
    TControl* control = Parent()->Controls(index);
    if (control != this && control->Visible() && control->Align() == Align() && Touches(*control, *this)) {
      return control;
    }
  }
  return nullptr;
}

// What the controls aligned after the neighbour leave free along the axis, less MinSize.
int TSplitter::RoomAfter(const TControl& neighbour) const {
  const TRect client = Parent()->ClientRect();
  int used = 0;
  for (int index = 0; index < Parent()->ControlCount(); ++index) {
    const TControl* control = Parent()->Controls(index);
    if (control == &neighbour || !control->Visible()) continue;
    const bool same_axis = Horizontal(control->Align()) == Horizontal(Align()) &&
                           control->Align() != TAlign::alNone && control->Align() != TAlign::alClient &&
                           control->Align() != TAlign::alCustom;
    if (same_axis) used += SizeAlong(*control, Align());
  }
  const int extent = Horizontal(Align()) ? client.Width() : client.Height();
  return extent - used - min_size_;
}

void TSplitter::StartDrag(int x, int y) {
  dragged_ = FindNeighbour();
  if (dragged_ == nullptr) return;
  start_position_ = Horizontal(Align()) ? Left() + x : Top() + y;
  start_size_ = SizeAlong(*dragged_, Align());
  max_size_ = std::max(min_size_, RoomAfter(*dragged_));
}

void TSplitter::Drag(int x, int y) {
  const int position = Horizontal(Align()) ? Left() + x : Top() + y;
  const int size = SplitterNewSize(Align(), start_size_, position - start_position_, min_size_, max_size_);
  if (Horizontal(Align())) {
    dragged_->SetWidth(size);
  } else {
    dragged_->SetHeight(size);
  }
}

void TSplitter::WndProc(TMessage& message) {
  const int x = wm::PointX(message.LParam), y = wm::PointY(message.LParam);
  switch (message.Msg) {
    case wm::LButtonDown:
      StartDrag(x, y);
      break;
    case wm::MouseMove:
      if (dragged_ != nullptr) Drag(x, y);
      break;
    case wm::LButtonUp:
      if (dragged_ != nullptr) {
        dragged_ = nullptr;
        OnMoved(this);
      }
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(message);
}

}  // namespace ruzi
