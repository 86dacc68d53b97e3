#pragma once
// Form zoom: forms are laid out for a 1024 x 768 screen and enlarged (or shrunk) with
// everything on them for a larger screen or a zoom rate the user picks: bounds, font sizes,
// menu item sizes, grid columns. TFormZoom holds a zoom form's state and does the arithmetic
// on the form's controls through the IZoomForm interface; the zoom form classes forward to it.
// Belongs to the thread that owns the form.
#include <string>
#include <variant>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/geometry.h"
#include "ruzirareva/ui/message.h"
#include "ruzirareva/ui/zoom_control.h"

namespace ruzi {

inline constexpr int kZoomBaseWidth = 1024;
inline constexpr int kZoomBaseHeight = 768;

// One saved value: a control's bounds, or the font size saved right after them.
using TZoomEntry = std::variant<TRect, int>;

// Final bounds of a control inside a frame, applied once the whole form is done.
struct TFrameState {
  IZoomControl* Control;
  int Left, Top, Width, Height;
};

// When a form zooms by itself: never (TZoomForm), or at its first show (TAutoZoomForm for its
// monitor, TManageZoomForm for the screen size it is given).
enum class TZoomStart { OnRequest, AtFirstShow };

// A zoom form's fields, in the order the form keeps them.
struct TZoomFields {
  double HorizontalFactor = 1.0;  // x coordinates and widths
  double VerticalFactor = 1.0;    // y coordinates and heights
  double FontFactor = 1.0;        // font sizes: the smaller of the two
  std::vector<IZoomMenuItem*> MenuList;
  bool AutoResolution = true;     // the next zoom takes its factor from the screen size
  double ResolutionRate = 100.0;  // percent, as last set
  double ZoomFactor = 100.0;      // what the next zoom applies; 100.0 until first computed
  bool CentreOnOwner = false;     // after a rate change, centre the form on its owner form
  bool FirstShowDone = false;
  bool Reserved = false;
  int ScreenHeight = 0;  // 0: read from the monitor at the first zoom
  int ScreenWidth = 0;
  std::vector<TFrameState> FrameList;
  bool ZoomEnabled = true;
  std::vector<TZoomEntry> ControlList;
};

// The classes the zoom treats apart (form_zoom.cpp).
enum class ZoomRule : int;

class RUZI_API TFormZoom {
 public:
  explicit TFormZoom(IZoomForm& form, TZoomStart start = TZoomStart::OnRequest);

  TZoomFields& Fields() { return fields_; }
  const TZoomFields& Fields() const { return fields_; }
  // The screen size to zoom for instead of the monitor's (TManageZoomForm).
  void SetScreenSize(int width, int height);

  // Changes the zoom rate (percent): the form is zoomed by new rate / old rate, unless the two
  // are equal to four decimals. A rate that is not a positive number is ignored.
  void SetFResolutionRate(double rate);
  void SetAutoResolution(bool automatic);
  // The form shows: a form zooming at its first show zooms now, once.
  void FormShowing();
  // Zooms the form now.
  void ZoomFormInfo();
  // Zooms one control subtree with the current factors.
  void AdjustControls(IZoomControl& control);
  // Answers the window message "WM_GETRESRATE" (res_rate_message.h): the address of the zoom
  // factor, valid as long as the form.
  void WMGETRESRATE(TMessage& message) const;

  // The steps, in the order ZoomFormInfo takes them.
  void InitList();
  void CalBasicScalePars();
  void StoreMemuList();
  void AdjustMenuItem();
  void StoreControlsPostoList(IZoomControl& control, std::vector<TZoomEntry>& list) const;
  void AdjustControlsScale(IZoomControl& control, const std::vector<TZoomEntry>& list, int& index);
  void StoreFrameState(IZoomControl& control, int left, int top, int width, int height);
  // Column widths by the horizontal factor, column, title and footer font sizes by the font
  // factor, font colours kept (form_zoom_columns.cpp).
  void AdjustDBGridEHColumns(IZoomColumns& grid) const;
  // Header column widths by the horizontal factor, the header font size by the font factor.
  void AdjustTVirtualStringTree(IZoomColumns& tree) const;
  void DealFrameZoom();
  void FreeList();

  // A zoomed menu item's size: width x factor + 30, height x factor.
  void MenuItemMeasureItem(int& width, int& height) const;

 private:
  void AdjustScale(IZoomControl& control, const std::vector<TZoomEntry>& list, int& index, bool in_frame);
  void AdjustBounds(IZoomControl& control, ZoomRule rule, const TRect& saved, bool in_frame);
  TSize ScreenSize() const;
  bool FactorUncomputed() const;

  IZoomForm& form_;
  TZoomStart start_;
  TZoomFields fields_;
};

// Rounding of zoomed sizes: to nearest, ties to even.
RUZI_API int ZoomRound(double value);

}  // namespace ruzi
