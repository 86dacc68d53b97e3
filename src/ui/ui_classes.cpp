#include "ui/ui_classes.h"

#include "foundation/class_registry.h"
#include "ui/bit_btn.h"
#include "ui/check_box.h"
#include "ui/check_list_box.h"
#include "ui/combo_box.h"
#include "ui/date_time_picker.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/group_box.h"
#include "ui/header_control.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/labeled_edit.h"
#include "ui/list_box.h"
#include "ui/list_view.h"
#include "ui/memo.h"
#include "ui/menu.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/qx_buttons.h"
#include "ui/qx_combo_boxes.h"
#include "ui/qx_edits.h"
#include "ui/qx_list_boxes.h"
#include "ui/radio_group.h"
#include "ui/scroll_bar.h"
#include "ui/scroll_box.h"
#include "ui/search_combos.h"
#include "ui/speed_button.h"
#include "ui/spin_edit.h"
#include "ui/splitter.h"
#include "ui/static_text.h"
#include "ui/status_bar.h"
#include "ui/string_grid.h"
#include "ui/tool_bar.h"
#include "ui/track_bar.h"
#include "ui/tree_view.h"
#include "ui/zoom_form.h"

namespace ruzi {

// Classes that exist only over the Windows API (ui_classes_win32.cpp).
void RegisterWindowsOnlyClasses();
// Frames, the client's selection frames, grids and outside controls (ui_classes_client.cpp).
void RegisterClientClasses();

namespace {

// The input controls and the client's classes built on them.
void RegisterStandardInputClasses() {
  RegisterComponentClass<TBitBtn>();
  RegisterComponentClass<TCheckBox>();
  RegisterComponentClass<TRadioButton>();
  RegisterComponentClass<TGroupBox>();
  RegisterComponentClass<TRadioGroup>();
  RegisterComponentClass<TMemo>();
  RegisterComponentClass<TRichEdit>();
  RegisterComponentClass<TSpinEdit>();
  RegisterComponentClass<TLabeledEdit>();
  RegisterComponentClass<TComboBox>();
  RegisterComponentClass<TListBox>();
  RegisterComponentClass<TCheckListBox>();
  RegisterComponentClass<TStaticText>();
  RegisterComponentClass<TScrollBar>();
  RegisterComponentClass<TSpeedButton>();
  RegisterComponentClass<TQxButton>();
  RegisterComponentClass<TQxBitBtn>();
  RegisterComponentClass<TQxCheckBox>();
  RegisterComponentClass<TQxListBox>();
  RegisterComponentClass<TQxCheckListBox>();
  RegisterComponentClass<Tqxcheckcombo>();
  RegisterComponentClass<TQxComboBox>();
  RegisterComponentClass<TBoundQxComboBox>();
  RegisterComponentClass<TBoundComboBox>();
  RegisterComponentClass<TTradeRivalCombox>();
  RegisterComponentClass<TTradeFixedCombox>();
  RegisterComponentClass<TFundCombox>();
  RegisterComponentClass<TStockCodeCombox>();
  RegisterComponentClass<TGeneralCombox>();
  RegisterComponentClass<TQxEdit>();
  RegisterComponentClass<TBcEdit>();
}

}  // namespace

void RegisterUiClasses() {
  static const bool registered = [] {
    RegisterComponentClass<TForm>();
    RegisterComponentClass<TQXForm>();
    RegisterComponentClass<TZoomForm>();
    RegisterComponentClass<TAutoZoomForm>();
    RegisterComponentClass<TManageZoomForm>();
    RegisterComponentClass<TButton>();
    RegisterComponentClass<TLabel>();
    RegisterComponentClass<TPanel>();
    RegisterComponentClass<TEdit>();
    RegisterComponentClass<TImage>();
    RegisterComponentClass<TSplitter>();
    RegisterComponentClass<TScrollBox>();
    RegisterComponentClass<TToolBar>();
    RegisterComponentClass<TToolButton>();
    RegisterComponentClass<TStatusBar>();
    RegisterComponentClass<TPageControl>();
    RegisterComponentClass<TTabSheet>();
    RegisterComponentClass<TTrackBar>();
    RegisterComponentClass<TListView>();
    RegisterComponentClass<TTreeView>();
    RegisterComponentClass<THeaderControl>();
    RegisterComponentClass<TDateTimePicker>();
    RegisterComponentClass<TQxDateTimePicker>();
    RegisterComponentClass<TStringGrid>();
    RegisterComponentClass<TMainMenu>();
    RegisterComponentClass<TPopupMenu>();
    RegisterComponentClass<TMenuItem>();
    RegisterClientClasses();
    RegisterStandardInputClasses();
    RegisterWindowsOnlyClasses();
    return true;
  }();
  (void)registered;
}

}  // namespace ruzi
