#pragma once
// Where a control places itself inside its parent (alClient fills the parent's client area),
// which parent edges it keeps its distance to when the parent is resized, and where a text sits
// in its cell. Plain values: any thread.
#include <array>

#include "ruzirareva/foundation/published_property.h"
#include "ruzirareva/foundation/set_of.h"

namespace ruzi {

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

template <>
struct TEnumNames<TAlign> {
  static constexpr std::array<const char*, 7> Names{"alNone", "alTop",    "alBottom", "alLeft",
                                                    "alRight", "alClient", "alCustom"};
};

enum class TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSetOf<TAnchorKind>;

template <>
struct TEnumNames<TAnchorKind> {
  static constexpr std::array<const char*, 4> Names{"akLeft", "akTop", "akRight", "akBottom"};
};

inline constexpr TAnchors kDefaultAnchors{TAnchorKind::akLeft, TAnchorKind::akTop};

// Where a text sits across the cell that holds it.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

template <>
struct TEnumNames<TAlignment> {
  static constexpr std::array<const char*, 3> Names{"taLeftJustify", "taRightJustify", "taCenter"};
};

}  // namespace ruzi
