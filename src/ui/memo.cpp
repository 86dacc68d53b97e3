#include "ui/memo.h"

#include <iterator>

#include "platform/dynamic_library.h"

namespace ruzi {
namespace {

constexpr uint32_t kMultiLine = 0x0004, kAutoVScroll = 0x0040, kAutoHScroll = 0x0080, kWantReturn = 0x1000;
constexpr uint32_t kHScroll = 0x00100000, kVScroll = 0x00200000;  // WS_HSCROLL, WS_VSCROLL

std::string JoinLines(const TStrings& lines) {
  std::string text = lines.Text();
  if (!text.empty()) text.resize(text.size() - 2);  // no break after the last line
  return text;
}

}  // namespace

const TPropertyTable* TCustomMemo::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TCustomMemo::LinesText, &TCustomMemo::SetLinesText>("Lines"),
      Published<&TCustomMemo::ScrollBars, &TCustomMemo::SetScrollBars>("ScrollBars"),
      Published<&TCustomMemo::WantReturns, &TCustomMemo::SetWantReturns>("WantReturns"),
      Published<&TCustomMemo::WordWrap, &TCustomMemo::SetWordWrap>("WordWrap")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TCustomMemo::TCustomMemo(TComponent* owner) : TCustomEdit(owner) {
  SetBounds(0, 0, 185, 89);
  lines_.SetObserver(this);
}

TCustomMemo::~TCustomMemo() { lines_.SetObserver(nullptr); }

TStrings& TCustomMemo::Lines() {
  PullLines();
  return lines_;
}

std::string TCustomMemo::LinesText() const {
  PullLines();
  return lines_.Text();
}

void TCustomMemo::SetLinesText(const std::string& text) { lines_.SetText(text); }

void TCustomMemo::PullLines() const {
  const std::string text = Text();
  if (text == JoinLines(lines_)) return;
  pulling_ = true;
  lines_.SetText(text);
  pulling_ = false;
}

void TCustomMemo::LinesChanged() {
  if (!pulling_) SetText(JoinLines(lines_));
}

void TCustomMemo::SetWordWrap(bool word_wrap) {
  if (word_wrap == word_wrap_) return;
  word_wrap_ = word_wrap;
  Recreate();
}

void TCustomMemo::SetScrollBars(TScrollStyle scroll_bars) {
  if (scroll_bars == scroll_bars_) return;
  scroll_bars_ = scroll_bars;
  Recreate();
}

void TCustomMemo::SetWantReturns(bool want_returns) {
  if (want_returns == want_returns_) return;
  want_returns_ = want_returns;
  Recreate();
}

void TCustomMemo::Recreate() {
  if (!HandleAllocated()) return;
  const std::string text = Text();
  DestroyHandle();
  SetText(text);
  Handle();
}

void TCustomMemo::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  params.Style |= kMultiLine | kAutoVScroll | (want_returns_ ? kWantReturn : 0);
  if (word_wrap_) params.Style &= ~kAutoHScroll;
  if (scroll_bars_ == TScrollStyle::ssHorizontal || scroll_bars_ == TScrollStyle::ssBoth) params.Style |= kHScroll;
  if (scroll_bars_ == TScrollStyle::ssVertical || scroll_bars_ == TScrollStyle::ssBoth) params.Style |= kVScroll;
}

void TRichEdit::CreateParams(TCreateParams& params) {
  TCustomMemo::CreateParams(params);
  static const bool loaded = [] {
    auto library = platform::DynamicLibrary::LoadedOrLoad("riched20.dll");
    library.Keep();
    return library.IsLoaded();
  }();
  if (loaded) params.SystemClass = "RichEdit20W";
}

void TRichEdit::CreateWnd() {
  TCustomMemo::CreateWnd();
  constexpr uint32_t kSetEventMask = 0x0445;  // EM_SETEVENTMASK
  constexpr intptr_t kChangeEvents = 0x0001;  // ENM_CHANGE
  if (HandleAllocated()) Perform(kSetEventMask, 0, kChangeEvents);
}

}  // namespace ruzi
