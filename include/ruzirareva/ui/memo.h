#pragma once
// A text box of many lines (the EDIT class, multi-line). Lines and Text are one value: Lines
// are the text split at its line breaks, and a change of Lines rewrites the text (lines joined
// by CR LF). TCustomMemo is the root of the memos and rich edits. User-interface thread only.
#include <array>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/published_property.h"
#include "ruzirareva/ui/edit.h"
#include "ruzirareva/ui/strings.h"

namespace ruzi {

enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

template <>
struct TEnumNames<TScrollStyle> {
  static constexpr std::array<const char*, 4> Names{"ssNone", "ssHorizontal", "ssVertical", "ssBoth"};
};

class RUZI_API TCustomMemo : public TCustomEdit, private TStringsObserver {
  RUZI_CLASS_RECORD_PUBLISHED(TCustomMemo, TCustomEdit::ClassRecord())

 public:
  explicit TCustomMemo(TComponent* owner = nullptr);
  ~TCustomMemo() override;

  // The lines of the text as it is now (typed text included).
  TStrings& Lines();
  std::string LinesText() const;
  void SetLinesText(const std::string& text);
  bool WordWrap() const { return word_wrap_; }
  void SetWordWrap(bool word_wrap);
  TScrollStyle ScrollBars() const { return scroll_bars_; }
  void SetScrollBars(TScrollStyle scroll_bars);
  bool WantReturns() const { return want_returns_; }
  void SetWantReturns(bool want_returns);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  void StringInserted(int) override { LinesChanged(); }
  void StringDeleted(int) override { LinesChanged(); }
  void StringsReset() override { LinesChanged(); }
  void LinesChanged();
  // Lines from the text, when the text changed since they were made.
  void PullLines() const;
  void Recreate();

  mutable TStrings lines_;
  mutable bool pulling_ = false;
  bool word_wrap_ = true;
  TScrollStyle scroll_bars_ = TScrollStyle::ssNone;
  bool want_returns_ = true;
};

class RUZI_API TMemo : public TCustomMemo {
  RUZI_CLASS_RECORD(TMemo, TCustomMemo::ClassRecord())

 public:
  explicit TMemo(TComponent* owner = nullptr) : TCustomMemo(owner) {}
};

// A memo over the system's rich edit control (riched20.dll, loaded when first needed), which
// is asked to report changes of its text (OnChange) as a plain edit does.
class RUZI_API TRichEdit : public TCustomMemo {
  RUZI_CLASS_RECORD(TRichEdit, TCustomMemo::ClassRecord())

 public:
  explicit TRichEdit(TComponent* owner = nullptr) : TCustomMemo(owner) {}

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
};

}  // namespace ruzi
