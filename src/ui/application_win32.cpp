#include <windows.h>

#include "ui/application.h"
#include "ui/form.h"

namespace ruzi {
namespace {

TRect RectOf(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }

BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, LPRECT, LPARAM data) {
  auto* monitors = reinterpret_cast<std::vector<TMonitor>*>(data);
  MONITORINFO info{};
  info.cbSize = sizeof info;
  GetMonitorInfoW(handle, &info);
  monitors->push_back(TMonitor{handle, static_cast<int>(monitors->size()), RectOf(info.rcMonitor),
                               RectOf(info.rcWork), (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
  return TRUE;
}

}  // namespace

bool TApplication::Dispatch(const void* message) {
  const MSG& msg = *static_cast<const MSG*>(message);
  if (msg.message == WM_QUIT) {
    terminated_ = true;
    return false;
  }
  if (!IsFormDialogMessage(&msg)) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return true;
}

void TApplication::Run() {
  terminated_ = false;
  if (main_form_ != nullptr) main_form_->Show();
  MSG msg;
  while (!terminated_) {
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
    Dispatch(&msg);
    if (main_form_ == nullptr || !main_form_->Visible()) Terminate();
  }
  terminated_ = true;
}

void TApplication::ProcessMessages() {
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (!Dispatch(&msg)) {
      PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop that waits for it
      return;
    }
  }
}

void TApplication::Terminate() { terminated_ = true; }

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }

int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

std::vector<TMonitor> TScreen::Monitors() const {
  std::vector<TMonitor> monitors;
  EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&monitors));
  return monitors;
}

TMonitor TScreen::MonitorOf(TCustomForm& form) const {
  HMONITOR wanted = form.HandleAllocated() ? MonitorFromWindow(form.Handle(), MONITOR_DEFAULTTONEAREST)
                                           : MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY);
  for (const TMonitor& monitor : Monitors()) {
    if (monitor.Handle == wanted) return monitor;
  }
  return TMonitor{};
}

}  // namespace ruzi
