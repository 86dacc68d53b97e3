#include "ui/virtual_string_tree.h"

#include <iterator>

#include "foundation/error.h"
#include "ui/invalidate_on_change.h"

namespace ruzi {

// What the zoom scales: column widths, and the header font as the title.
class TVirtualStringTree::ZoomView : public IZoomColumns {
 public:
  explicit ZoomView(TVirtualStringTree& tree) : tree_(tree) {}
  int ColumnCount() const override { return static_cast<int>(tree_.columns_.size()); }
  int ColumnValue(int column, TColumnPart part) const override {
    RequireWidth(part);
    return tree_.columns_.at(static_cast<size_t>(column)).Width;
  }
  void SetColumnValue(int column, TColumnPart part, int value) override {
    RequireWidth(part);
    tree_.columns_.at(static_cast<size_t>(column)).Width = value;
    tree_.Invalidate();
  }
  int GridValue(TColumnPart) const override { return tree_.header_font_.Size(); }
  void SetGridValue(TColumnPart, int value) override { tree_.header_font_.SetSize(value); }

 private:
  static void RequireWidth(TColumnPart part) {
    if (part != TColumnPart::Width) throw Error("A tree's header columns have widths only");
  }
  TVirtualStringTree& tree_;
};

const TPropertyTable* TVirtualStringTree::PublishedTable() {
  static const TPropertyInfo properties[] = {
      PublishedAs<TColorText, &TVirtualStringTree::HeaderBackground, &TVirtualStringTree::SetHeaderBackground>(
          "HeaderBackground"),
      PublishedAs<TFontText,
                  static_cast<const TFont& (TVirtualStringTree::*)() const>(&TVirtualStringTree::HeaderFont),
                  &TVirtualStringTree::SetHeaderFont>("HeaderFont")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TVirtualStringTree::TVirtualStringTree(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 200, 100);
  SetParentColor(false);
  SetColor(clWindow);
  header_font_.OnChange = InvalidateOnChange(this);
}

TVirtualStringTree::~TVirtualStringTree() = default;

void TVirtualStringTree::SetHeaderBackground(TColor color) {
  if (color == header_background_) return;
  header_background_ = color;
  Invalidate();
}

IZoomColumns* TVirtualStringTree::ZoomColumns() {
  if (zoom_view_ == nullptr) zoom_view_ = std::make_unique<ZoomView>(*this);
  return zoom_view_.get();
}

}  // namespace ruzi
