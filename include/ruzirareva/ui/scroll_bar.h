#pragma once
// A scroll bar of the system's SCROLLBAR class. Position stays within Min..Max; the arrows move
// it by SmallChange, the trough by LargeChange, the thumb where it is dropped, and every move
// runs OnChange. User-interface thread only.
#include <array>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/published_property.h"
#include "ruzirareva/ui/win_control.h"

namespace ruzi {

enum class TScrollBarKind { sbHorizontal, sbVertical };

template <>
struct TEnumNames<TScrollBarKind> {
  static constexpr std::array<const char*, 2> Names{"sbHorizontal", "sbVertical"};
};

class RUZI_API TScrollBar : public TWinControl {
  RUZI_CLASS_RECORD_PUBLISHED(TScrollBar, TWinControl::ClassRecord())

 public:
  explicit TScrollBar(TComponent* owner = nullptr);

  TScrollBarKind Kind() const { return kind_; }
  void SetKind(TScrollBarKind kind);
  int Min() const { return min_; }
  void SetMin(int min) { SetParams(position_, min, max_); }
  int Max() const { return max_; }
  void SetMax(int max) { SetParams(position_, min_, max); }
  int Position() const { return position_; }
  void SetPosition(int position) { SetParams(position, min_, max_); }
  // All three at once; Max below Min is raised to Min.
  void SetParams(int position, int min, int max);
  int SmallChange() const { return small_change_; }
  void SetSmallChange(int change) { small_change_ = change; }
  int LargeChange() const { return large_change_; }
  void SetLargeChange(int change) { large_change_ = change; }

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  void Scroll(int code, int thumb);
  void ShowState();

  TScrollBarKind kind_ = TScrollBarKind::sbHorizontal;
  int min_ = 0, max_ = 100, position_ = 0;
  int small_change_ = 1, large_change_ = 1;
};

}  // namespace ruzi
