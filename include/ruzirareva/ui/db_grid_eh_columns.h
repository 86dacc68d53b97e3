#pragma once
// The columns of a TDBGridEh: each shows one field of the grid's rows, with its width, its
// cells' font, a title (caption and font) and a footer (a text and font). A column's fonts start
// as the grid's fonts of the moment it is added. Changes redraw the grid. Belongs to the grid's
// thread.
#include <memory>
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/color.h"
#include "ruzirareva/ui/font.h"

namespace ruzi {

class TDBGridEh;

struct RUZI_API TColumnTitleEh {
  std::string Caption;
  TFont Font;
};

struct RUZI_API TColumnFooterEh {
  std::string Value;
  TFont Font;
};

class RUZI_API TColumnEh {
 public:
  explicit TColumnEh(TDBGridEh& grid);
  TColumnEh(const TColumnEh&) = delete;
  TColumnEh& operator=(const TColumnEh&) = delete;

  // Index among the grid's columns.
  int Index() const { return index_; }
  const std::string& FieldName() const { return field_name_; }
  void SetFieldName(const std::string& name);
  int Width() const { return width_; }
  void SetWidth(int width);
  TFont& Font() { return font_; }
  TColumnTitleEh& Title() { return title_; }
  TColumnFooterEh& Footer() { return footer_; }
  const TFont& Font() const { return font_; }
  const TColumnTitleEh& Title() const { return title_; }
  const TColumnFooterEh& Footer() const { return footer_; }

 private:
  friend class TDBGridColumnsEh;
  TDBGridEh& grid_;
  int index_ = 0;
  std::string field_name_;
  int width_ = 64;
  TFont font_;
  TColumnTitleEh title_;
  TColumnFooterEh footer_;
};

class RUZI_API TDBGridColumnsEh {
 public:
  explicit TDBGridColumnsEh(TDBGridEh& grid) : grid_(grid) {}

  int Count() const { return static_cast<int>(columns_.size()); }
  TColumnEh& operator[](int index) { return *columns_.at(static_cast<size_t>(index)); }
  const TColumnEh& operator[](int index) const { return *columns_.at(static_cast<size_t>(index)); }
  // A new last column showing `field_name`, titled with it, fonts from the grid.
  TColumnEh& Add(const std::string& field_name = "");
  void Clear();
  std::vector<int> Widths() const;

 private:
  TDBGridEh& grid_;
  std::vector<std::unique_ptr<TColumnEh>> columns_;
};

}  // namespace ruzi
