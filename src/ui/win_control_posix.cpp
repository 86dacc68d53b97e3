// Without a window system a windowed control never has a window: it keeps its text and bounds
// itself, and the portable half (win_control.cpp) works alone.
#include "ui/win_control.h"

namespace ruzi {

HWND__* TWinControl::Handle() { return nullptr; }
void TWinControl::DestroyHandle() {}
TWinControl* TWinControl::FromHandle(HWND__*) { return nullptr; }
bool TWinControl::Focused() const { return false; }
void TWinControl::SetFocus() {}
TRect TWinControl::ClientRect() const { return TControl::ClientRect(); }
bool TWinControl::Showing() const { return TControl::Showing(); }
void TWinControl::Invalidate() {}
void TWinControl::InvalidateRect(const TRect&) {}
void TWinControl::PaintControls(HDC__*) {}
void TWinControl::CreateParams(TCreateParams&) {}
void TWinControl::CreateWnd() {}
void TWinControl::PaintWindow(HDC__*) {}
void TWinControl::DefaultHandler(TMessage&) {}
std::string TWinControl::GetText() const { return TControl::GetText(); }
void TWinControl::SetTextValue(const std::string& text) { TControl::SetTextValue(text); }
bool TWinControl::HandleWindowMessage(TMessage&) { return false; }
void TWinControl::AttachHandle(HWND__*, void*) {}
void TWinControl::DetachHandle() {}
void TWinControl::UpdateWindowBounds() {}
void TWinControl::MoveWindowToParent() {}
bool TWinControl::TrackMouse(TMessage&) { return false; }
void TWinControl::SetHovered(TControl*) {}

}  // namespace ruzi
