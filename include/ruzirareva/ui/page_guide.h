#pragma once
// The client's page bar under a grid (page numbers, a page-size choice, buttons), here holding
// what the skin sets: Color, Font and the colours of its three parts in each of their four
// states. A part's colours are published as one text, "default,active,over,down"
// ("clRed,$000078FF,clPurple,clPurple"). User-interface thread only.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/graphic_control.h"

namespace ruzi {

struct TPageGuideColors {
  TColor Default = clWindowText;
  TColor Active = clHighlight;
  TColor Over = SystemColor(26);  // the system's hot-tracking colour
  TColor Down = clHighlight;
  friend bool operator==(const TPageGuideColors&, const TPageGuideColors&) = default;
};

struct TPageGuideColorsText {
  static constexpr TTypeKind Kind = TTypeKind::tkClass;
  static constexpr const char* const* ValueNames() { return nullptr; }
  static constexpr size_t ValueCount() { return 0; }
  RUZI_API static std::string ToText(const TPageGuideColors& colors);
  RUZI_API static std::optional<TPageGuideColors> FromText(std::string_view text);
};

class RUZI_API TPageGuide : public TCustomControl {
  RUZI_CLASS_RECORD_PUBLISHED(TPageGuide, TCustomControl::ClassRecord())

 public:
  explicit TPageGuide(TComponent* owner = nullptr);

  const TPageGuideColors& NumberColors() const { return number_; }
  void SetNumberColors(const TPageGuideColors& colors) { Change(number_, colors); }
  const TPageGuideColors& SizeColors() const { return size_; }
  void SetSizeColors(const TPageGuideColors& colors) { Change(size_, colors); }
  const TPageGuideColors& ButtonColors() const { return button_; }
  void SetButtonColors(const TPageGuideColors& colors) { Change(button_, colors); }

 protected:
  void Paint() override;

 private:
  void Change(TPageGuideColors& part, const TPageGuideColors& colors);

  TPageGuideColors number_, size_, button_;
};

}  // namespace ruzi
