#pragma once
// The system's track bar: a thumb the user slides between Min and Max, with a tick every
// Frequency positions. Position stays within [Min, Max]; OnChange runs whenever it changes, by
// the user or by a call. User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/win_control.h"

namespace ruzi {

enum class TTrackBarOrientation { trHorizontal, trVertical };

template <>
struct TEnumNames<TTrackBarOrientation> {
  static constexpr std::array<const char*, 2> Names{"trHorizontal", "trVertical"};
};

class RUZI_API TTrackBar : public TWinControl {
  RUZI_CLASS_RECORD_PUBLISHED(TTrackBar, TWinControl::ClassRecord())

 public:
  explicit TTrackBar(TComponent* owner = nullptr);

  int Min() const { return min_; }
  // Narrows Max and Position when they fall outside.
  void SetMin(int min);
  int Max() const { return max_; }
  void SetMax(int max);
  int Position() const { return position_; }
  void SetPosition(int position);
  int Frequency() const { return frequency_; }
  void SetFrequency(int frequency);
  TTrackBarOrientation Orientation() const { return orientation_; }
  void SetOrientation(TTrackBarOrientation orientation);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  void SetRange(int min, int max, int position);
  // The Win32 half: range, position and ticks to the window; the thumb's position from it.
  void UpdateWindowRange();
  int WindowPosition();

  int min_ = 0;
  int max_ = 10;
  int position_ = 0;
  int frequency_ = 1;
  TTrackBarOrientation orientation_ = TTrackBarOrientation::trHorizontal;
};

}  // namespace ruzi
