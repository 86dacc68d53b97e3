#include "ui/qx_edits.h"

#include <iterator>

#include "ui/edit_window.h"

namespace ruzi {
namespace {

void SetUpEdit(TWinControl& edit) {
  edit.SetTabStop(true);
  edit.SetColor(clWindow);
  edit.SetBounds(0, 0, 121, 21);
}

// OnChange after a change of the text; true when the message was that notification.
bool TakeEditChange(TWinControl& edit, TNotifyEvent& on_change, const TMessage& message) {
  if (!IsEditChange(message)) return false;
  on_change(&edit);
  return true;
}

}  // namespace

const TPropertyTable* TQxEdit::PublishedTable() {
  static const auto labels = LabelProperties();
  static const TEventInfo events[] = {PublishedEvent<&TQxEdit::OnChange>("OnChange")};
  static const TPropertyTable table{labels.data(), labels.size(), events, std::size(events)};
  return &table;
}

TQxEdit::TQxEdit(TComponent* owner) : TLabelHost(owner, TLabelPosition::lpLeft) { SetUpEdit(*this); }

void TQxEdit::CreateParams(TCreateParams& params) {
  TLabelHost::CreateParams(params);
  SetEditWindowParams(params, false);
}

void TQxEdit::WndProc(TMessage& message) {
  if (!TakeEditChange(*this, OnChange, message)) TLabelHost::WndProc(message);
}

const TPropertyTable* TBcEdit::PublishedTable() {
  static const TEventInfo events[] = {PublishedEvent<&TBcEdit::OnChange>("OnChange")};
  static const TPropertyTable table{nullptr, 0, events, std::size(events)};
  return &table;
}

TBcEdit::TBcEdit(TComponent* owner) : TWinControl(owner) { SetUpEdit(*this); }

void TBcEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  SetEditWindowParams(params, false);
}

void TBcEdit::WndProc(TMessage& message) {
  if (!TakeEditChange(*this, OnChange, message)) TWinControl::WndProc(message);
}

}  // namespace ruzi
