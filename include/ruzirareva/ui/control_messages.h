#pragma once
// Messages a control sends itself or its relatives through Perform (ids from 0xB000), and
// notifications a parent window passes back to the child that caused them (0xBC00 + the Win32
// id: WM_COMMAND arrives at a button as CN_COMMAND). Constants: any thread.
#include <cstdint>

namespace ruzi {

inline constexpr uint32_t CM_BASE = 0xB000;
inline constexpr uint32_t CM_ACTIVATE = CM_BASE + 0x00;
inline constexpr uint32_t CM_DEACTIVATE = CM_BASE + 0x01;
inline constexpr uint32_t CM_GOTFOCUS = CM_BASE + 0x02;
inline constexpr uint32_t CM_LOSTFOCUS = CM_BASE + 0x03;
inline constexpr uint32_t CM_CANCELMODE = CM_BASE + 0x04;
inline constexpr uint32_t CM_DIALOGKEY = CM_BASE + 0x05;  // WParam: virtual key; answer 1 when used
inline constexpr uint32_t CM_DIALOGCHAR = CM_BASE + 0x06;
inline constexpr uint32_t CM_FOCUSCHANGED = CM_BASE + 0x07;
inline constexpr uint32_t CM_PARENTFONTCHANGED = CM_BASE + 0x08;
inline constexpr uint32_t CM_PARENTCOLORCHANGED = CM_BASE + 0x09;
inline constexpr uint32_t CM_HITTEST = CM_BASE + 0x0A;
inline constexpr uint32_t CM_VISIBLECHANGED = CM_BASE + 0x0B;  // WParam: the new Visible
inline constexpr uint32_t CM_ENABLEDCHANGED = CM_BASE + 0x0C;
inline constexpr uint32_t CM_COLORCHANGED = CM_BASE + 0x0D;
inline constexpr uint32_t CM_FONTCHANGED = CM_BASE + 0x0E;
inline constexpr uint32_t CM_CURSORCHANGED = CM_BASE + 0x0F;
inline constexpr uint32_t CM_TEXTCHANGED = CM_BASE + 0x12;
inline constexpr uint32_t CM_MOUSEENTER = CM_BASE + 0x13;  // LParam: the control entered
inline constexpr uint32_t CM_MOUSELEAVE = CM_BASE + 0x14;
inline constexpr uint32_t CM_SHOWINGCHANGED = CM_BASE + 0x15;
inline constexpr uint32_t CM_RELEASE = CM_BASE + 0x21;  // a form frees itself (Release)

inline constexpr uint32_t CN_BASE = 0xBC00;
inline constexpr uint32_t CN_DRAWITEM = CN_BASE + 0x002B;
inline constexpr uint32_t CN_MEASUREITEM = CN_BASE + 0x002C;
inline constexpr uint32_t CN_DELETEITEM = CN_BASE + 0x002D;
inline constexpr uint32_t CN_COMPAREITEM = CN_BASE + 0x0039;
inline constexpr uint32_t CN_NOTIFY = CN_BASE + 0x004E;
inline constexpr uint32_t CN_COMMAND = CN_BASE + 0x0111;
inline constexpr uint32_t CN_HSCROLL = CN_BASE + 0x0114;
inline constexpr uint32_t CN_VSCROLL = CN_BASE + 0x0115;
inline constexpr uint32_t CN_CTLCOLORMSGBOX = CN_BASE + 0x0132;
inline constexpr uint32_t CN_CTLCOLORSTATIC = CN_BASE + 0x0138;

}  // namespace ruzi
