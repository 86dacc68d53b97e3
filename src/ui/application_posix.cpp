// Without a window system: no messages to wait for, and one screen of the designed size.
#include "ui/application.h"
#include "ui/form.h"

namespace ruzi {

bool TApplication::Dispatch(const void*) { return false; }
void TApplication::Run() { terminated_ = true; }
void TApplication::ProcessMessages() {}
void TApplication::Terminate() { terminated_ = true; }
int TScreen::Width() const { return 1024; }
int TScreen::Height() const { return 768; }
std::vector<TMonitor> TScreen::Monitors() const {
  return {TMonitor{nullptr, 0, TRect{0, 0, 1024, 768}, TRect{0, 0, 1024, 768}, true}};
}
TMonitor TScreen::MonitorOf(TCustomForm&) const { return Monitors().front(); }

}  // namespace ruzi
