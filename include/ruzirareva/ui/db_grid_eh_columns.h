#pragma once
// The columns of a TDBGridEh: each shows one field of the grid's rows, with its width, its
// cells' font and alignment, a title (caption and font) and a footer (a text and font); a column
// that is not Visible takes no room. A column's fonts start as the grid's fonts of the moment it
// is added. Columns and titles publish their properties by name (FieldName, Width, Visible,
// Alignment; a title's Caption); the grid publishes the whole list as its Columns text, one line
// per column: "FieldName<tab>Caption<tab>Width<tab>Visible<tab>Alignment". Changes redraw the
// grid. Belongs to the grid's thread.
#include <memory>
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/persistent.h"
#include "ruzirareva/ui/align.h"
#include "ruzirareva/ui/color.h"
#include "ruzirareva/ui/font.h"

namespace ruzi {

class TDBGridEh;

class RUZI_API TColumnTitleEh : public TPersistent {
  RUZI_CLASS_RECORD_PUBLISHED(TColumnTitleEh, TPersistent::ClassRecord())

 public:
  explicit TColumnTitleEh(TDBGridEh& grid) : grid_(grid) {}

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& caption);
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }

 private:
  TDBGridEh& grid_;
  std::string caption_;
  TFont font_;
};

struct RUZI_API TColumnFooterEh {
  std::string Value;
  TFont Font;
};

class RUZI_API TColumnEh : public TPersistent {
  RUZI_CLASS_RECORD_PUBLISHED(TColumnEh, TPersistent::ClassRecord())

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
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  TAlignment Alignment() const { return alignment_; }
  void SetAlignment(TAlignment alignment);
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
  bool visible_ = true;
  TAlignment alignment_ = TAlignment::taLeftJustify;
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
  // What the layout needs: each column's width, -1 for a hidden one.
  std::vector<int> Widths() const;

  // The list as text (above). Setting it keeps the columns already there (their fonts and
  // footers) line by line, adds or drops columns at the end; a line's missing fields take a new
  // column's values (the caption: the field name). Raises ruzi::Error naming a field that is no
  // value of its property, changing nothing.
  std::string Text() const;
  void SetText(const std::string& text);

 private:
  TDBGridEh& grid_;
  std::vector<std::unique_ptr<TColumnEh>> columns_;
};

}  // namespace ruzi
