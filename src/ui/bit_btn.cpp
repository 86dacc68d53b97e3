#include "ui/bit_btn.h"

#include <iterator>

#include "ui/control_messages.h"

namespace ruzi {
namespace {

// The modal result of each kind, in TBitBtnKind order (bkHelp and bkCustom answer none).
constexpr int kKindResults[] = {mrNone, mrOk,  mrCancel, mrNone,   mrYes,  mrNo,
                                mrNone, mrAbort, mrRetry, mrIgnore, 8 /* mrAll */};

}  // namespace

const TPropertyTable* TBitBtn::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TBitBtn::Kind, &TBitBtn::SetKind>("Kind"),
      Published<&TBitBtn::GlyphFile, &TBitBtn::SetGlyphFile>("Glyph"),
      Published<&TBitBtn::Layout, &TBitBtn::SetLayout>("Layout"),
      Published<&TBitBtn::Margin, &TBitBtn::SetMargin>("Margin"),
      Published<&TBitBtn::NumGlyphs, &TBitBtn::SetNumGlyphs>("NumGlyphs"),
      Published<&TBitBtn::Spacing, &TBitBtn::SetSpacing>("Spacing")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

void TBitBtn::CreateParams(TCreateParams& params) {
  TButton::CreateParams(params);
  params.Style = (params.Style & ~0xFu) | 0xBu;  // BS_OWNERDRAW instead of the push-button kind
}

void TBitBtn::WndProc(TMessage& message) {
  if (message.Msg == CN_DRAWITEM) {
    DrawItem(message.LParam);
    message.Result = 1;
    return;
  }
  TButton::WndProc(message);
}

void TBitBtn::SetKind(TBitBtnKind kind) {
  kind_ = kind;
  if (kind == TBitBtnKind::bkCustom) return;
  SetModalResult(kKindResults[static_cast<int>(kind)]);
  if (kind == TBitBtnKind::bkOK || kind == TBitBtnKind::bkYes) SetDefault(true);
  if (kind == TBitBtnKind::bkCancel || kind == TBitBtnKind::bkNo) SetCancel(true);
}

}  // namespace ruzi
