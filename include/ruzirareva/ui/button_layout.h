#pragma once
// Where a button puts its glyph and its caption. Layout names the glyph's side; Margin is the
// space from that edge to the glyph, -1 for the pair centred; Spacing the space between glyph
// and caption, -1 for the free space shared out evenly (around and between, or, with a fixed
// Margin, between and after). Without a glyph or a caption there is no spacing. The other axis
// is always centred. Pure function: any thread.
#include <array>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/published_property.h"
#include "ruzirareva/ui/geometry.h"

namespace ruzi {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

template <>
struct TEnumNames<TButtonLayout> {
  static constexpr std::array<const char*, 4> Names{"blGlyphLeft", "blGlyphRight", "blGlyphTop", "blGlyphBottom"};
};

struct TButtonPlaces {
  int GlyphX, GlyphY;  // top left of the glyph
  int TextX, TextY;    // top left of the caption
};

RUZI_API TButtonPlaces PlaceGlyphAndCaption(TSize client, TSize glyph, TSize text, TButtonLayout layout, int margin,
                                            int spacing);

}  // namespace ruzi
