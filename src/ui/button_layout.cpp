#include "ui/button_layout.h"

#include <utility>

namespace ruzi {

TButtonPlaces PlaceGlyphAndCaption(TSize client, TSize glyph, TSize text, TButtonLayout layout, int margin,
                                   int spacing) {
  const bool across = layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
  // Along the layout's axis: a = the client's extent, g and t the glyph's and the caption's.
  const int a = across ? client.cx : client.cy;
  const int g = across ? glyph.cx : glyph.cy;
  const int t = across ? text.cx : text.cy;
  if (g == 0 || t == 0) spacing = 0;
  if (margin == -1 && spacing == -1) {
    margin = (a - g - t) / 3;
    spacing = margin;
  } else if (margin == -1) {
    margin = (a - g - spacing - t) / 2;
  } else if (spacing == -1) {
    spacing = (a - margin - g - t) / 2;
  }
  // From the glyph's side: the glyph at the margin, the caption after the spacing.
  int glyph_at = margin, text_at = margin + g + spacing;
  if (layout == TButtonLayout::blGlyphRight || layout == TButtonLayout::blGlyphBottom) {
    glyph_at = a - margin - g;
    text_at = glyph_at - spacing - t;
  }
  TButtonPlaces places{};
  const int glyph_across = ((across ? client.cy : client.cx) - (across ? glyph.cy : glyph.cx)) / 2;
  const int text_across = ((across ? client.cy : client.cx) - (across ? text.cy : text.cx)) / 2;
  if (across) {
    places = {glyph_at, glyph_across, text_at, text_across};
  } else {
    places = {glyph_across, glyph_at, text_across, text_at};
  }
  return places;
}

}  // namespace ruzi
