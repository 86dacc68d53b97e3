#pragma once
// A caption in a window of its own, of the system's STATIC class, with an optional border.
// User-interface thread only.
#include <array>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/published_property.h"
#include "ruzirareva/ui/win_control.h"

namespace ruzi {

enum class TStaticBorderStyle { sbsNone, sbsSingle, sbsSunken };

template <>
struct TEnumNames<TStaticBorderStyle> {
  static constexpr std::array<const char*, 3> Names{"sbsNone", "sbsSingle", "sbsSunken"};
};

class RUZI_API TStaticText : public TWinControl {
  RUZI_CLASS_RECORD_PUBLISHED(TStaticText, TWinControl::ClassRecord())

 public:
  explicit TStaticText(TComponent* owner = nullptr);

  TStaticBorderStyle BorderStyle() const { return border_style_; }
  void SetBorderStyle(TStaticBorderStyle style);

 protected:
  void CreateParams(TCreateParams& params) override;

 private:
  TStaticBorderStyle border_style_ = TStaticBorderStyle::sbsNone;
};

}  // namespace ruzi
