#pragma once
// How a grid cell is to be painted: selected, holding the focus, fixed (a heading). Shared by
// the string grid and the data grid. Constants: any thread.
#include <array>

#include "ruzirareva/foundation/set_of.h"
#include "ruzirareva/foundation/published_property.h"

namespace ruzi {

enum class TGridDrawStateItem { gdSelected, gdFocused, gdFixed };
using TGridDrawState = TSetOf<TGridDrawStateItem>;

template <>
struct TEnumNames<TGridDrawStateItem> {
  static constexpr std::array<const char*, 3> Names{"gdSelected", "gdFocused", "gdFixed"};
};

}  // namespace ruzi
