#include "ui/header_control.h"

#include <iterator>

#include "ui/control_messages.h"

namespace ruzi {
namespace {

constexpr uint32_t kButtons = 0x2;  // HDS_BUTTONS: sections are clicked

}  // namespace

const TPropertyTable* THeaderControl::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&THeaderControl::SectionsText, &THeaderControl::SetSectionsText>("Sections")};
  static const TEventInfo events[] = {PublishedEvent<&THeaderControl::OnSectionClick>("OnSectionClick")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

THeaderControl::THeaderControl(TComponent* owner)
    : TWinControl(owner),
      sections_(TEvent<>{[](void* header) {
                           auto* self = static_cast<THeaderControl*>(header);
                           if (self->HandleAllocated()) self->UpdateWindowSections();
                         },
                         this}) {
  SetBounds(0, 0, 200, 17);
  SetAlign(TAlign::alTop);
}

void THeaderControl::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = "SysHeader32";
  params.Style |= kButtons;
}

void THeaderControl::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateWindowSections();
}

void THeaderControl::WndProc(TMessage& message) {
  if (message.Msg == CN_NOTIFY) {
    const int section = ClickedSection(message);
    if (section >= 0) {
      OnSectionClick(this, section);
      return;
    }
  }
  TWinControl::WndProc(message);
}

}  // namespace ruzi
