// Glyph and caption places on a button: each layout, fixed and centred margins, even spacing,
// a missing glyph or caption (no spacing then), and a client too small (places go negative
// rather than overlap).
#include <gtest/gtest.h>

#include "ui/button_layout.h"
#include "vector_file.h"

namespace ruzi {
namespace {

TEST(ButtonLayout, GlyphAndCaptionPlacesMatchKnownAnswers) {
  testing::CheckAnswers("ui_button_layouts.txt", {{"place", [](const std::vector<std::string>& args) {
                                                      auto n = [&](size_t i) { return std::stoi(args[i]); };
                                                      const auto layout = TPropertyText<TButtonLayout>::FromText(args[6]);
                                                      const TButtonPlaces at =
                                                          PlaceGlyphAndCaption({n(0), n(1)}, {n(2), n(3)}, {n(4), n(5)},
                                                                               layout.value(), n(7), n(8));
                                                      return std::to_string(at.GlyphX) + "," + std::to_string(at.GlyphY) +
                                                             " " + std::to_string(at.TextX) + "," +
                                                             std::to_string(at.TextY);
                                                    }}});
}

}  // namespace
}  // namespace ruzi
