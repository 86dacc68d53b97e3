#pragma once
// Where a control places itself inside its parent: alClient fills the parent's client area.
// Plain values: any thread.
#include <array>

#include "ruzirareva/foundation/published_property.h"

namespace ruzi {

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient, alCustom };

template <>
struct TEnumNames<TAlign> {
  static constexpr std::array<const char*, 7> Names{"alNone", "alTop",    "alBottom", "alLeft",
                                                    "alRight", "alClient", "alCustom"};
};

}  // namespace ruzi
