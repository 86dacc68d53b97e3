#pragma once
// The Win32 message ids the portable control code reacts to, spelt out so that it needs no
// <windows.h>. Constants: any thread.
#include <cstdint>

namespace ruzi::wm {

inline constexpr uint32_t Size = 0x0005;
inline constexpr uint32_t Close = 0x0010;
inline constexpr uint32_t Paint = 0x000F;
inline constexpr uint32_t EraseBkgnd = 0x0014;
inline constexpr uint32_t KeyDown = 0x0100;
inline constexpr uint32_t KeyUp = 0x0101;
inline constexpr uint32_t HScroll = 0x0114;
inline constexpr uint32_t VScroll = 0x0115;
inline constexpr uint32_t MouseMove = 0x0200;
inline constexpr uint32_t LButtonDown = 0x0201;
inline constexpr uint32_t LButtonUp = 0x0202;
inline constexpr uint32_t LButtonDblClk = 0x0203;
inline constexpr uint32_t RButtonDown = 0x0204;
inline constexpr uint32_t RButtonUp = 0x0205;
inline constexpr uint32_t MButtonDown = 0x0207;
inline constexpr uint32_t MButtonUp = 0x0208;
inline constexpr uint32_t SetFocus = 0x0007;
inline constexpr uint32_t KillFocus = 0x0008;
inline constexpr uint32_t SetCursor = 0x0020;
inline constexpr uint32_t Timer = 0x0113;
inline constexpr uint32_t MouseWheel = 0x020A;
inline constexpr uint32_t MouseHWheel = 0x020E;
inline constexpr uint32_t CaptureChanged = 0x0215;
inline constexpr uint32_t GetDlgCode = 0x0087;
inline constexpr uint32_t Char = 0x0102;

// Virtual keys (WM_KEYDOWN's WParam).
inline constexpr uintptr_t VkTab = 0x09, VkReturn = 0x0D, VkShift = 0x10, VkControl = 0x11, VkEscape = 0x1B, VkPrior = 0x21, VkNext = 0x22, VkEnd = 0x23,
                           VkHome = 0x24, VkLeft = 0x25, VkUp = 0x26, VkRight = 0x27, VkDown = 0x28, VkF2 = 0x71;

// The keys held with a mouse message (its WParam): MK_SHIFT, MK_CONTROL.
inline constexpr uintptr_t MkShift = 0x0004, MkControl = 0x0008;
// A scroll bar's thumb requests (WM_HSCROLL/WM_VSCROLL's low word): released, being dragged.
inline constexpr int SbThumbPosition = 4, SbThumbTrack = 5;

// A mouse message's point: client coordinates packed in LParam.
inline int PointX(intptr_t lparam) { return static_cast<int16_t>(lparam & 0xFFFF); }
inline int PointY(intptr_t lparam) { return static_cast<int16_t>((lparam >> 16) & 0xFFFF); }
inline intptr_t PackPoint(int x, int y) {
  return static_cast<intptr_t>((static_cast<uint32_t>(static_cast<uint16_t>(y)) << 16) | static_cast<uint16_t>(x));
}

}  // namespace ruzi::wm
