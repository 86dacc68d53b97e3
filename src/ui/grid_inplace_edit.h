#pragma once
// The edit a string grid opens over its selected cell: a borderless system EDIT, a child of the
// grid, that keeps Enter and Esc for itself (the form's dialog keys would take them) and hands
// them, and its losing the focus, to the grid. User-interface thread only.
#include "ui/edit.h"

namespace ruzi {

class TStringGrid;

class TInplaceEdit : public TCustomEdit {
 public:
  explicit TInplaceEdit(TStringGrid& grid);

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  TStringGrid& grid_;
};

}  // namespace ruzi
