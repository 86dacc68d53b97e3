#pragma once
// A font as controls and canvases describe it: face name (GBK), size in points, colour, style
// and character set. Size and Height are two views of one value at the screen's 96 pixels per
// inch (Height = -Size x 96 / 72, negative: the character height without the leading). OnChange
// fires after every change. The GDI handle is made on first use and remade after a change
// (Windows only). Belongs to the thread of the control or canvas that holds it.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/method.h"
#include "ruzirareva/foundation/published_property.h"
#include "ruzirareva/foundation/set_of.h"
#include "ruzirareva/ui/color.h"

struct HFONT__;

namespace ruzi {

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSetOf<TFontStyle>;

template <>
struct TEnumNames<TFontStyle> {
  static constexpr std::array<const char*, 4> Names{"fsBold", "fsItalic", "fsUnderline", "fsStrikeOut"};
};

inline constexpr int kScreenPixelsPerInch = 96;
inline constexpr uint8_t GB2312_CHARSET_VALUE = 134;

class RUZI_API TFont : public TPersistent {
  RUZI_CLASS_RECORD_PUBLISHED(TFont, TPersistent::ClassRecord())

 public:
  TFont();
  TFont(const TFont& other);
  TFont& operator=(const TFont& other);
  ~TFont() override;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name);
  int Size() const;
  void SetSize(int points);
  int Height() const { return height_; }
  void SetHeight(int height);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  int Charset() const { return charset_; }
  void SetCharset(int charset);

  // Copies name, height, colour, style and character set from a TFont; OnChange fires once.
  void Assign(TPersistent* source) override;
  // Same face, height, colour, style and character set.
  bool SameAs(const TFont& other) const;

  TNotifyEvent OnChange;

  // The GDI font (Windows only); the font keeps it.
  HFONT__* Handle() const;

 private:
  void Changed();
  static void DeleteHandle(HFONT__* handle);

  std::string name_;
  int height_;
  TColor color_ = clWindowText;
  TFontStyles style_;
  int charset_ = GB2312_CHARSET_VALUE;
  mutable HFONT__* handle_ = nullptr;
};

// A whole font as one text, "name,size,colour,[styles]" ("宋体,9,clWindowText,[fsBold]"): how a
// control publishes its Font.
struct TFontText {
  static constexpr TTypeKind Kind = TTypeKind::tkClass;
  static constexpr const char* const* ValueNames() { return nullptr; }
  static constexpr size_t ValueCount() { return 0; }
  RUZI_API static std::string ToText(const TFont& font);
  RUZI_API static std::optional<TFont> FromText(std::string_view text);
};

}  // namespace ruzi
