// The status bar's parts and texts, given to the system's window.
#include <windows.h>

#include <commctrl.h>

#include "platform/text_encoding.h"
#include "ui/status_bar.h"

namespace ruzi {

void TStatusBar::UpdateWindowPanels() {
  if (!HandleAllocated()) return;
  HWND window = Handle();
  SendMessageW(window, SB_SIMPLE, simple_panel_ ? TRUE : FALSE, 0);
  if (simple_panel_) {
    SendMessageW(window, SB_SETTEXTW, SB_SIMPLEID, reinterpret_cast<LPARAM>(platform::GbkToWide(simple_text_).c_str()));
    return;
  }
  std::vector<int> edges = PanelEdges();
  if (edges.empty()) edges.push_back(-1);
  SendMessageW(window, SB_SETPARTS, edges.size(), reinterpret_cast<LPARAM>(edges.data()));
  for (int index = 0; index < panels_.Count(); ++index) {
    const std::wstring text = platform::GbkToWide(panels_.Items(index).Text());
    SendMessageW(window, SB_SETTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.c_str()));
  }
}

}  // namespace ruzi
