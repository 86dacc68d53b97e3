#include "ui/ui_classes.h"

#include "foundation/class_registry.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"
#include "ui/panel.h"
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
    RegisterClientClasses();
    RegisterWindowsOnlyClasses();
    return true;
  }();
  (void)registered;
}

}  // namespace ruzi
