#pragma once
// A bar between aligned controls that the user drags to resize the control it is aligned
// against (its neighbour: the control with the same Align that touches it on the side the
// alignment leads from). The neighbour keeps at least MinSize pixels, and so does the room left
// for the controls after it. OnMoved runs once a drag ends. User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/graphic_control.h"

namespace ruzi {

class RUZI_API TSplitter : public TGraphicControl {
  RUZI_CLASS_RECORD_PUBLISHED(TSplitter, TGraphicControl::ClassRecord())

 public:
  explicit TSplitter(TComponent* owner = nullptr);

  int MinSize() const { return min_size_; }
  void SetMinSize(int size) { min_size_ = size; }
  // The control the splitter resizes now, or nullptr.
  TControl* FindNeighbour() const;

  TNotifyEvent OnMoved;

 protected:
  void Paint() override;
  void WndProc(TMessage& message) override;

 private:
  void StartDrag(int x, int y);
  void Drag(int x, int y);
  int RoomAfter(const TControl& neighbour) const;

  int min_size_ = 30;
  TControl* dragged_ = nullptr;
  int start_position_ = 0;  // the mouse along the splitter's axis, in the parent
  int start_size_ = 0;
  int max_size_ = 0;
};

}  // namespace ruzi
