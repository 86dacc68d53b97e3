#pragma once
// An edit field with a drop-down list, of the system's COMBOBOX class (list_control.h); a
// choice in the list runs OnClick, typing OnChange. The form zoom scales the ItemHeight of the
// client's combos.
// TCustomComboBox is the root of the combo boxes, the client's among them. User-interface
// thread only.
#include <array>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/published_property.h"
#include "ruzirareva/ui/list_control.h"

namespace ruzi {

enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

template <>
struct TEnumNames<TComboBoxStyle> {
  static constexpr std::array<const char*, 5> Names{"csDropDown", "csSimple", "csDropDownList", "csOwnerDrawFixed",
                                                    "csOwnerDrawVariable"};
};

class RUZI_API TCustomComboBox : public TCustomListControl {
  RUZI_CLASS_RECORD_PUBLISHED(TCustomComboBox, TCustomListControl::ClassRecord())

 public:
  explicit TCustomComboBox(TComponent* owner = nullptr);

  TComboBoxStyle Style() const { return style_; }
  void SetStyle(TComboBoxStyle style);
  int DropDownCount() const { return drop_down_count_; }
  void SetDropDownCount(int count) { drop_down_count_ = count; }

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  void Recreate();

  TComboBoxStyle style_ = TComboBoxStyle::csDropDown;
  int drop_down_count_ = 8;
};

class RUZI_API TComboBox : public TCustomComboBox {
  RUZI_CLASS_RECORD(TComboBox, TCustomComboBox::ClassRecord())

 public:
  explicit TComboBox(TComponent* owner = nullptr) : TCustomComboBox(owner) {}
};

}  // namespace ruzi
