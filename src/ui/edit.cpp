#include "ui/edit.h"

#include <iterator>

#include "ui/edit_window.h"

namespace ruzi {

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
  SetEditWindowParams(params, read_only_);
}

void TCustomEdit::WndProc(TMessage& message) {
  if (IsEditChange(message)) {
    OnChange(this);
    return;
  }
  TWinControl::WndProc(message);
}

}  // namespace ruzi
