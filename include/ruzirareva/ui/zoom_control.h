#pragma once
// What the form zoom needs of a control, of a menu item and of a form. The zoom arithmetic
// (form_zoom.h) works on these alone, so it runs the same on the Win32 controls and on the
// portable control model (control_model.h). Called on the thread that owns the form.
#include <string>
#include <string_view>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/align.h"
#include "ruzirareva/ui/geometry.h"
#include "ruzirareva/ui/zoom_columns.h"

namespace ruzi {

class RUZI_API IZoomControl {
 public:
  virtual ~IZoomControl() = default;

  virtual std::string ClassName() const = 0;
  // True when the control's class is `class_name` or derives from it (letter case ignored).
  virtual bool InheritsFromClass(std::string_view class_name) const = 0;

  virtual TRect BoundsRect() const = 0;
  virtual void SetBounds(int left, int top, int width, int height) = 0;
  virtual TAlign Align() const = 0;

  // Whether the control publishes a font, and that font's size in points.
  virtual bool HasFont() const = 0;
  virtual int FontSize() const = 0;
  virtual void SetFontSize(int size) = 0;

  // Only windowed controls hold children; the others are painted by their parent.
  virtual bool IsWindowed() const = 0;
  virtual int ControlCount() const = 0;
  virtual IZoomControl* Controls(int index) const = 0;

  // Class-specific parts; a class without them ignores the call.
  virtual void SetStretch(bool) {}  // an image's picture stretched to its bounds
  virtual int ItemHeight() const { return 0; }  // a combo box's item height
  virtual void SetItemHeight(int) {}
  // A grid's or tree's columns; nullptr for other controls.
  virtual IZoomColumns* Columns() { return nullptr; }
};

class TFormZoom;

class RUZI_API IZoomMenuItem {
 public:
  virtual ~IZoomMenuItem() = default;
  // Measure and draw the item through `zoom` from now on (TFormZoom::MenuItemMeasureItem).
  virtual void AttachZoomHandlers(const TFormZoom& zoom) = 0;
};

class RUZI_API IZoomForm {
 public:
  virtual ~IZoomForm() = default;

  // The form itself as the root of its controls.
  virtual IZoomControl& FormControl() = 0;
  // Width and height of the monitor the form is on.
  virtual TSize MonitorSize() const = 0;
  // The platform's own scaling of the form at creation.
  virtual void SetScaled(bool scaled) = 0;
  // Switches every menu the form owns to owner drawing; answers the menu items it owns.
  virtual std::vector<IZoomMenuItem*> OwnerDrawMenus() = 0;

  virtual bool Visible() const = 0;
  virtual void SetVisible(bool visible) = 0;
  // A multiple-document child or parent form, which stays shown while it is zoomed.
  virtual bool IsMdiForm() const = 0;
  virtual void CentreOnOwner() = 0;
};

}  // namespace ruzi
