#pragma once
// What every control over the system's EDIT class shares, inside the TCustomEdit tree or not
// (the client's edits): its styles, and the notification that its text changed.
#include <cstdint>

#include "ui/control_messages.h"
#include "ui/message.h"
#include "ui/win_control.h"

namespace ruzi {

inline void SetEditWindowParams(TCreateParams& params, bool read_only) {
  constexpr uint32_t kAutoHScroll = 0x0080, kReadOnly = 0x0800, kClientEdge = 0x0200;  // ES_..., WS_EX_CLIENTEDGE
  params.SystemClass = "EDIT";
  params.Style |= kAutoHScroll | (read_only ? kReadOnly : 0);
  params.ExStyle |= kClientEdge;
}

inline bool IsEditChange(const TMessage& message) {
  constexpr uintptr_t kChangeNotification = 0x0300;  // EN_CHANGE
  return message.Msg == CN_COMMAND && (message.WParam >> 16) == kChangeNotification;
}

}  // namespace ruzi
