#pragma once
// What the form zoom needs of a grid's columns (TDBGridEh) or a tree's header columns
// (TVirtualStringTree): each column's width and fonts, and the grid's own title and footer font
// sizes, read and written one value at a time so that a failing value is named. Called on the
// thread that owns the form.
#include "ruzirareva/export.h"

namespace ruzi {

enum class TColumnPart { Width, FontSize, FontColor, TitleFontSize, TitleFontColor, FooterFontSize };

class RUZI_API IZoomColumns {
 public:
  virtual ~IZoomColumns() = default;

  virtual int ColumnCount() const = 0;
  virtual int ColumnValue(int column, TColumnPart part) const = 0;
  virtual void SetColumnValue(int column, TColumnPart part, int value) = 0;
  // The grid's own TitleFontSize and FooterFontSize (a tree: its header font as the title).
  virtual int GridValue(TColumnPart part) const = 0;
  virtual void SetGridValue(TColumnPart part, int value) = 0;
};

// A control with columns the zoom scales (TDBGridEh, TVirtualStringTree): their view, kept by
// the control.
class RUZI_API IZoomColumnsHolder {
 public:
  virtual ~IZoomColumnsHolder() = default;
  virtual IZoomColumns* ZoomColumns() = 0;
};

}  // namespace ruzi
