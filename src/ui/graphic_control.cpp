#include "ui/graphic_control.h"

#include "ui/window_message_ids.h"

namespace ruzi {

TGraphicControl::TGraphicControl(TComponent* owner) : TControl(owner) {}

void TGraphicControl::WndProc(TMessage& message) {
  if (message.Msg == wm::Paint && message.WParam != 0) {
    canvas_.SetHandle(reinterpret_cast<HDC__*>(message.WParam));
    canvas_.Font().Assign(&Font());
    Paint();
    canvas_.SetHandle(nullptr);
    return;
  }
  TControl::WndProc(message);
}

TCustomControl::TCustomControl(TComponent* owner) : TWinControl(owner) {}

void TCustomControl::PaintWindow(HDC__* dc) {
  canvas_.SetHandle(dc);
  canvas_.Font().Assign(&Font());
  canvas_.Brush().SetColor(Color());
  Paint();
  canvas_.SetHandle(nullptr);
}

}  // namespace ruzi
