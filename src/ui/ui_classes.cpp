#include "ui/ui_classes.h"

#include "foundation/class_registry.h"
#include "ui/date_time_picker.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/header_control.h"
#include "ui/image.h"
#include "ui/label.h"
#include "ui/list_view.h"
#include "ui/menu.h"
#include "ui/page_control.h"
#include "ui/panel.h"
#include "ui/scroll_box.h"
#include "ui/splitter.h"
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
    RegisterWindowsOnlyClasses();
    return true;
  }();
  (void)registered;
}

}  // namespace ruzi
