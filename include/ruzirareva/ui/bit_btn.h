#pragma once
// A push button with a picture (Glyph) beside its caption, drawn by the control (an owner-drawn
// system button) where Layout, Margin and Spacing put them (button_layout.h). Kind gives the button a standard
// answer: bkOK a default button answering mrOk, bkCancel a cancel button answering mrCancel,
// the others their modal result. User-interface thread only.
#include <array>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/published_property.h"
#include "ruzirareva/ui/button.h"
#include "ruzirareva/ui/button_layout.h"
#include "ruzirareva/ui/glyph.h"

namespace ruzi {

enum class TBitBtnKind { bkCustom, bkOK, bkCancel, bkHelp, bkYes, bkNo, bkClose, bkAbort, bkRetry, bkIgnore, bkAll };

template <>
struct TEnumNames<TBitBtnKind> {
  static constexpr std::array<const char*, 11> Names{"bkCustom", "bkOK",    "bkCancel", "bkHelp",   "bkYes", "bkNo",
                                                     "bkClose",  "bkAbort", "bkRetry",  "bkIgnore", "bkAll"};
};

class RUZI_API TBitBtn : public TButton {
  RUZI_CLASS_RECORD_PUBLISHED(TBitBtn, TButton::ClassRecord())

 public:
  explicit TBitBtn(TComponent* owner = nullptr) : TButton(owner) {}

  TPicture& Glyph() { return glyph_.Picture(); }
  const std::string& GlyphFile() const { return glyph_.FileName(); }
  void SetGlyphFile(const std::string& file_name) { glyph_.LoadFromFile(file_name); }
  TBitBtnKind Kind() const { return kind_; }
  void SetKind(TBitBtnKind kind);
  TButtonLayout Layout() const { return layout_; }
  void SetLayout(TButtonLayout layout) { layout_ = layout; }
  // Pixels between the edge and the glyph (-1: centred), and between glyph and caption.
  int Margin() const { return margin_; }
  void SetMargin(int margin) { margin_ = margin; }
  int Spacing() const { return spacing_; }
  void SetSpacing(int spacing) { spacing_ = spacing; }
  int NumGlyphs() const { return num_glyphs_; }
  void SetNumGlyphs(int count) { num_glyphs_ = count; }

 protected:
  void CreateParams(TCreateParams& params) override;
  void WndProc(TMessage& message) override;

 private:
  // Draws the face from a DRAWITEMSTRUCT (Win32 only).
  void DrawItem(intptr_t draw_item);

  TGlyph glyph_;
  TBitBtnKind kind_ = TBitBtnKind::bkCustom;
  TButtonLayout layout_ = TButtonLayout::blGlyphLeft;
  int margin_ = -1, spacing_ = 4, num_glyphs_ = 1;
};

}  // namespace ruzi
