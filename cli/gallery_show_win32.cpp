#include <windows.h>

#include <stdexcept>
#include <string>

#include "gallery_show.h"
#include "ui/application.h"
#include "ui/window_picture.h"
#include "ui/zoom_form.h"

namespace ruzi::cli {
namespace {

// Lets every window paint what it has to.
void Settle(HWND window) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  MSG msg;
  for (int round = 0; round < 20; ++round) {
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    Sleep(10);
  }
  GdiFlush();
}

}  // namespace

void ShowGallery(TAutoZoomForm& form, double rate, const std::string& shot, CommandContext& context) {
  form.Show();
  if (rate > 0) form.SetFResolutionRate(rate);
  HWND window = form.Handle();
  SetForegroundWindow(window);
  Settle(window);
  RECT client;
  GetClientRect(window, &client);
  context.PrintLine("screen " + std::to_string(GetSystemMetrics(SM_CXSCREEN)) + " x " +
                    std::to_string(GetSystemMetrics(SM_CYSCREEN)) + ", gallery " + std::to_string(client.right) +
                    " x " + std::to_string(client.bottom));
  if (shot.empty()) {
    Application()->SetMainForm(&form);
    Application()->Run();
    return;
  }
  if (!SaveWindowPicture(CaptureWindowPicture(window, true), shot)) throw std::runtime_error("cannot write " + shot);
  context.PrintLine("written " + shot);
}

}  // namespace ruzi::cli
