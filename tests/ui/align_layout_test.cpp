// Alignment and anchors on random layouts: aligned controls tile the client area edge by edge,
// in order, without overlapping; anchored controls keep the distances their anchors name and
// never drift however often the parent is resized.
#include <gtest/gtest.h>

#include <random>

#include "ui/align_layout.h"

namespace ruzi {
namespace {

bool Overlap(const TRect& a, const TRect& b) {
  return a.Left < b.Right && b.Left < a.Right && a.Top < b.Bottom && b.Top < a.Bottom;
}

TEST(AlignLayout, EdgesAreTakenInOrderAndTheClientItemGetsTheRest) {
  const TRect client{0, 0, 400, 300};
  // Two tops given bottom-most first: the upper one (by Top) still goes first.
  const std::vector<TAlignItem> items = {
      {TAlign::alTop, {0, 50, 10, 70}},      {TAlign::alTop, {0, 10, 10, 40}},  {TAlign::alBottom, {0, 0, 0, 20}},
      {TAlign::alLeft, {0, 0, 60, 0}},       {TAlign::alRight, {0, 0, 70, 0}}, {TAlign::alClient, {5, 5, 6, 6}},
      {TAlign::alNone, {1, 2, 3, 4}},        {TAlign::alTop, {0, 0, 10, 99}, false}};
  const std::vector<TRect> placed = AlignLayout(client, items);
  EXPECT_EQ(placed[1], (TRect{0, 0, 400, 30}));
  EXPECT_EQ(placed[0], (TRect{0, 30, 400, 50}));
  EXPECT_EQ(placed[2], (TRect{0, 280, 400, 300}));
  EXPECT_EQ(placed[3], (TRect{0, 50, 60, 280}));
  EXPECT_EQ(placed[4], (TRect{330, 50, 400, 280}));
  EXPECT_EQ(placed[5], (TRect{60, 50, 330, 280}));
  EXPECT_EQ(placed[6], (TRect{1, 2, 3, 4}));
  EXPECT_EQ(placed[7], (TRect{0, 0, 10, 99})) << "hidden: left alone";
}

TEST(AlignLayout, RandomLayoutsTileWithoutOverlapInsideTheClient) {
  std::mt19937 random(25);
  for (int round = 0; round < 500; ++round) {
    const TRect client{0, 0, 100 + static_cast<int>(random() % 400), 100 + static_cast<int>(random() % 400)};
    std::vector<TAlignItem> items(random() % 8);
    for (TAlignItem& item : items) {
      item.Align = static_cast<TAlign>(1 + random() % 5);
      const int w = static_cast<int>(random() % 60), h = static_cast<int>(random() % 60);
      const int x = static_cast<int>(random() % 300), y = static_cast<int>(random() % 300);
      item.Bounds = {x, y, x + w, y + h};
    }
    int used_w = 0, used_h = 0;
    for (const TAlignItem& item : items) {
      used_w += item.Bounds.Width();
      used_h += item.Bounds.Height();
    }
    const bool fits = used_w <= client.Width() && used_h <= client.Height();
    const std::vector<TRect> placed = AlignLayout(client, items);
    ASSERT_EQ(placed.size(), items.size());
    for (size_t i = 0; i < items.size(); ++i) {
      const TRect& p = placed[i];
      EXPECT_GE(p.Width(), 0);
      EXPECT_GE(p.Height(), 0);
      EXPECT_GE(p.Left, client.Left);
      EXPECT_GE(p.Top, client.Top);
      if (items[i].Align == TAlign::alTop || items[i].Align == TAlign::alBottom) {
        EXPECT_EQ(p.Width(), client.Width());
        if (p.Bottom <= client.Bottom) {
          EXPECT_EQ(p.Height(), items[i].Bounds.Height());
        }
      }
      if (items[i].Align == TAlign::alLeft || items[i].Align == TAlign::alRight) {
        if (p.Right <= client.Right && p.Left >= 0) {
          EXPECT_EQ(p.Width(), items[i].Bounds.Width());
        }
      }
      for (size_t j = 0; j < i; ++j) {
        // Only when they fit do tiles not overlap; two client items share the rest.
        const bool both_client = items[i].Align == TAlign::alClient && items[j].Align == TAlign::alClient;
        if (!both_client && fits) {
          EXPECT_FALSE(Overlap(placed[i], placed[j])) << round << ": " << i << " and " << j;
        }
      }
    }
  }
}

TEST(AnchorBounds, EachAnchorKeepsItsDistance) {
  const TRect origin{100, 50, 160, 80};  // in a 400 x 300 client
  const TSize from{400, 300}, to{500, 360};
  using K = TAnchorKind;
  EXPECT_EQ(AnchorBounds(origin, {K::akLeft, K::akTop}, from, to), origin);
  EXPECT_EQ(AnchorBounds(origin, {K::akRight, K::akBottom}, from, to), (TRect{200, 110, 260, 140}));
  EXPECT_EQ(AnchorBounds(origin, {K::akLeft, K::akRight, K::akTop, K::akBottom}, from, to),
            (TRect{100, 50, 260, 140}));
  // Neither edge: the centre (130, 65) stays at the same proportion: (162.5, 78), the left edge 132.5 rounded away from zero.
  EXPECT_EQ(AnchorBounds(origin, {}, from, to), (TRect{133, 63, 193, 93}));
  // A stretch below zero stops at zero.
  EXPECT_EQ(AnchorBounds(origin, {K::akLeft, K::akRight}, from, TSize{300, 300}).Width(), 0);
}

TEST(AnchorBounds, ResizingBackAndForthNeverDrifts) {
  std::mt19937 random(7);
  for (uint32_t bits = 0; bits < 16; ++bits) {
    const TAnchors anchors = TAnchors::FromBits(bits);
    const TRect origin{37, 41, 137, 71};
    const TSize origin_client{333, 222};
    TRect last = origin;
    for (int step = 0; step < 50; ++step) {
      const TSize client{200 + static_cast<int>(random() % 500), 200 + static_cast<int>(random() % 500)};
      last = AnchorBounds(origin, anchors, origin_client, client);
      if (!anchors.Contains(TAnchorKind::akLeft) || !anchors.Contains(TAnchorKind::akRight)) {
        EXPECT_EQ(last.Width(), origin.Width()) << bits;
      }
    }
    EXPECT_EQ(AnchorBounds(origin, anchors, origin_client, origin_client), origin) << bits;
  }
}

}  // namespace
}  // namespace ruzi
