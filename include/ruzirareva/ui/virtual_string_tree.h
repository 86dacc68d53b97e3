#pragma once
// The outside tree with a column header, here holding what the skin and the zoom touch: Color,
// Font, the header's font and background, and the header's columns (width and text). The form
// zoom scales the column widths and the header font through ZoomColumns. User-interface thread
// only.
#include <memory>
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/graphic_control.h"
#include "ruzirareva/ui/zoom_columns.h"

namespace ruzi {

struct TVirtualTreeColumn {
  std::string Text;
  int Width = 50;
};

class RUZI_API TVirtualStringTree : public TCustomControl, public IZoomColumnsHolder {
  RUZI_CLASS_RECORD_PUBLISHED(TVirtualStringTree, TCustomControl::ClassRecord())

 public:
  explicit TVirtualStringTree(TComponent* owner = nullptr);
  ~TVirtualStringTree() override;

  TFont& HeaderFont() { return header_font_; }
  const TFont& HeaderFont() const { return header_font_; }
  void SetHeaderFont(const TFont& font) { header_font_.Assign(const_cast<TFont*>(&font)); }
  TColor HeaderBackground() const { return header_background_; }
  void SetHeaderBackground(TColor color);
  std::vector<TVirtualTreeColumn>& Columns() { return columns_; }
  const std::vector<TVirtualTreeColumn>& Columns() const { return columns_; }
  int HeaderHeight() const { return 19; }

  IZoomColumns* ZoomColumns() override;

 protected:
  void Paint() override;

 private:
  class ZoomView;
  TFont header_font_;
  TColor header_background_ = clBtnFace;
  std::vector<TVirtualTreeColumn> columns_;
  std::unique_ptr<ZoomView> zoom_view_;
};

}  // namespace ruzi
