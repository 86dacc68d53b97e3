#pragma once
// Messages for the grids written as scripts in the data files ("down*3 click:70,30 tick"), sent
// through Perform as the window would.
#ifdef _WIN32
#include <windows.h>
#endif

#include <cstdio>
#include <map>
#include <sstream>
#include <string>

#include "ui/control.h"
#include "ui/grid_scroller.h"
#include "ui/window_message_ids.h"

namespace ruzi::testing {

inline uintptr_t WheelParam(int delta) { return static_cast<uintptr_t>(static_cast<uint16_t>(delta)) << 16; }

// A message for a grid. Shift pressed or released is also put in the thread's key state where
// Windows keeps one.
struct Message {
  uint32_t msg;
  uintptr_t wparam;
  intptr_t lparam = 0;
  void To(TControl& grid) const {
#ifdef _WIN32
    if ((msg == wm::KeyDown || msg == wm::KeyUp) && wparam == wm::VkShift) {
      BYTE keys[256];
      GetKeyboardState(keys);
      keys[VK_SHIFT] = msg == wm::KeyDown ? 0x80 : 0;
      SetKeyboardState(keys);
    }
#endif
    grid.Perform(msg, wparam, lparam);
  }
};

// One message of a script: a name (tests/data/ui_grid_messages.txt lists them), then ":" and a
// number or a point.
inline Message Scripted(const std::string& token) {
  const size_t colon = token.find(':');
  int a = 0, b = 0;
  if (colon != std::string::npos) std::sscanf(token.c_str() + colon + 1, "%d,%d", &a, &b);
  const auto key = [](uintptr_t vk) { return Message{wm::KeyDown, vk}; };
  const auto at = [&](uint32_t msg, uintptr_t keys = 0) { return Message{msg, keys, wm::PackPoint(a, b)}; };
  const auto bar = [&](uint32_t msg, int request) { return Message{msg, static_cast<uintptr_t>(request) | uintptr_t(a) << 16}; };
  const std::map<std::string, Message> messages{
      {"tab", key(wm::VkTab)}, {"right", key(wm::VkRight)}, {"down", key(wm::VkDown)}, {"end", key(wm::VkEnd)},
      {"up", key(wm::VkUp)}, {"left", key(wm::VkLeft)}, {"home", key(wm::VkHome)}, {"next", key(wm::VkNext)},
      {"prior", key(wm::VkPrior)},
      {"shift", key(wm::VkShift)}, {"unshift", {wm::KeyUp, wm::VkShift}}, {"tick", {wm::Timer, TGridScroller::kDragTimer}},
      {"lost", {wm::CaptureChanged, 0}}, {"click", at(wm::LButtonDown)}, {"shiftclick", at(wm::LButtonDown, wm::MkShift)},
      {"move", at(wm::MouseMove)}, {"release", at(wm::LButtonUp)}, {"wheel", {wm::MouseWheel, WheelParam(a)}},
      {"shiftwheel", {wm::MouseWheel, WheelParam(a) | wm::MkShift}}, {"hwheel", {wm::MouseHWheel, WheelParam(a)}},
      {"vtrack", bar(wm::VScroll, wm::SbThumbTrack)}, {"htrack", bar(wm::HScroll, wm::SbThumbTrack)},
      {"vthumb", bar(wm::VScroll, wm::SbThumbPosition)}, {"hthumb", bar(wm::HScroll, wm::SbThumbPosition)}};
  return messages.at(token.substr(0, colon));
}

// A script: messages, each repeated when "*n" follows it, and "height:n" that sizes the grid.
inline void RunScript(TControl& grid, const std::string& script) {
  std::istringstream tokens(script);
  for (std::string token; tokens >> token;) {
    const size_t star = token.find('*');
    const int times = star == std::string::npos ? 1 : std::stoi(token.substr(star + 1));
    token = token.substr(0, star);
    if (token.starts_with("height:")) grid.SetHeight(std::stoi(token.substr(7)));
    for (int i = 0; i < times && !token.starts_with("height:"); ++i) Scripted(token).To(grid);
  }
}

}  // namespace ruzi::testing
