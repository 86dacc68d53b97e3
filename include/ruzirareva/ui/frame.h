#pragma once
// A frame: a reusable group of controls placed on a form like one control. TFrameHQ is the
// client's own frame base. The form zoom treats every descendant of either as a frame (the
// bounds of what it holds are set last). User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/win_control.h"

namespace ruzi {

class RUZI_API TFrame : public TWinControl {
  RUZI_CLASS_RECORD(TFrame, TWinControl::ClassRecord())

 public:
  explicit TFrame(TComponent* owner = nullptr);
};

class RUZI_API TFrameHQ : public TFrame {
  RUZI_CLASS_RECORD(TFrameHQ, TFrame::ClassRecord())

 public:
  explicit TFrameHQ(TComponent* owner = nullptr) : TFrame(owner) {}
};

}  // namespace ruzi
