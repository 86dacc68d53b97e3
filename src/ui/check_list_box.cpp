#include "ui/check_list_box.h"

#include <iterator>

#include "foundation/error.h"
#include "ui/check_item_draw.h"
#include "ui/control_messages.h"
#include "ui/window_message_ids.h"

namespace ruzi {
namespace {

constexpr uint32_t kOwnerDrawFixed = 0x0010, kHasStrings = 0x0040;  // LBS_...
constexpr uint32_t kItemFromPoint = 0x01A9;                          // LB_ITEMFROMPOINT
constexpr uint32_t kCharMessage = 0x0102;                            // WM_CHAR

}  // namespace

const TPropertyTable* TCheckListBox::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TCheckListBox::CheckedText, &TCheckListBox::SetCheckedText>("Checked")};
  static const TEventInfo events[] = {PublishedEvent<&TCheckListBox::OnClickCheck>("OnClickCheck")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

TCheckListBox::TCheckListBox(TComponent* owner) : TCustomListBox(owner), checks_(Items()) {
  SetItemsFollower(&checks_);
}

void TCheckListBox::SetChecked(int index, bool checked) {
  checks_.SetChecked(index, checked);
  Invalidate();
}

void TCheckListBox::SetCheckedText(const std::string& text) {
  if (!checks_.SetText(text)) throw Error("\"" + text + "\" is not a valid value of TCheckListBox.Checked");
  Invalidate();
}

void TCheckListBox::ToggleChecked(int index) {
  if (index < 0 || index >= Items().Count()) return;
  SetChecked(index, !Checked(index));
  OnClickCheck(this);
}

void TCheckListBox::CreateParams(TCreateParams& params) {
  TCustomListBox::CreateParams(params);
  params.Style |= kOwnerDrawFixed | kHasStrings;
}

void TCheckListBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_DRAWITEM:
      DrawCheckItem(message.LParam, Items(), checks_);
      message.Result = 1;
      return;
    case wm::LButtonDown:
      if (wm::PointX(message.LParam) < ItemHeight()) {
        const intptr_t hit = Perform(kItemFromPoint, 0, message.LParam);
        if ((hit >> 16) == 0) ToggleChecked(static_cast<int>(hit & 0xFFFF));
      }
      break;
    case kCharMessage:
      if (message.WParam == ' ') {
        ToggleChecked(ItemIndex());
        return;
      }
      break;
    default:
      break;
  }
  TCustomListBox::WndProc(message);
}

}  // namespace ruzi
