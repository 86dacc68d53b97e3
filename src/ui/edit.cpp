#include "ui/edit.h"

#include <iterator>

#include "ui/control_messages.h"

namespace ruzi {
namespace {

constexpr uint32_t kAutoHScroll = 0x0080, kReadOnly = 0x0800, kClientEdge = 0x0200;  // ES_..., WS_EX_CLIENTEDGE
constexpr uintptr_t kChangeNotification = 0x0300;                                   // EN_CHANGE

}  // namespace

const TPropertyTable* TCustomEdit::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TCustomEdit::ReadOnly, &TCustomEdit::SetReadOnly>("ReadOnly")};
  static const TEventInfo events[] = {PublishedEvent<&TCustomEdit::OnChange>("OnChange")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = "EDIT";
  params.Style |= kAutoHScroll | (read_only_ ? kReadOnly : 0);
  params.ExStyle |= kClientEdge;
}

void TCustomEdit::WndProc(TMessage& message) {
  if (message.Msg == CN_COMMAND && (message.WParam >> 16) == kChangeNotification) {
    OnChange(this);
    return;
  }
  TWinControl::WndProc(message);
}

}  // namespace ruzi
