// Alignment and anchors on random layouts: aligned controls tile the client area edge by edge,
// in order, without overlapping; anchored controls keep the distances their anchors name and
// come back to their bounds with the parent's size.
// Splitter drags (tests/data/uia_splitter_drags.txt) fed through the splitter's WindowProc resize
// the neighbour each alignment names, within MinSize at both ends.
#include <gtest/gtest.h>

#include <random>

#include "ui/align_layout.h"
#include "ui/panel.h"
#include "ui/splitter.h"
#include "ui/splitter_size.h"
#include "ui/window_message_ids.h"
#include "vector_file.h"

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
  // The last two left alone: no alignment, or hidden.
  EXPECT_EQ(AlignLayout(client, items), (std::vector<TRect>{{0, 30, 400, 50}, {0, 0, 400, 30}, {0, 280, 400, 300},
                                                            {0, 50, 60, 280}, {330, 50, 400, 280}, {60, 50, 330, 280},
                                                            {1, 2, 3, 4}, {0, 0, 10, 99}}));
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
  // Any anchors, any client: the width stays unless both side edges hold, and nothing drifts.
  std::mt19937 random(7);
  for (uint32_t bits = 0; bits < 16; ++bits) {
    const TAnchors anchors = TAnchors::FromBits(bits);
    for (int step = 0; step < 50; ++step) {
      const TSize client{200 + static_cast<int>(random() % 500), 200 + static_cast<int>(random() % 500)};
      if (!anchors.Contains(K::akLeft) || !anchors.Contains(K::akRight)) {
        EXPECT_EQ(AnchorBounds(origin, anchors, from, client).Width(), origin.Width()) << bits;
      }
    }
    EXPECT_EQ(AnchorBounds(origin, anchors, from, from), origin) << bits;
  }
}

// The drags below keep within both bounds; bounds that cross give the lower one.
TEST(Splitter, CrossedBoundsGiveTheLowerOne) { EXPECT_EQ(SplitterNewSize(TAlign::alLeft, 100, 0, 30, 20), 30); }

TEST(SplitterDrag, ResizesTheNeighbourAndReportsOnce) {
  for (const testing::VectorCase& line : testing::ReadVectors("uia_splitter_drags.txt")) {
    SCOPED_TRACE(line.at(0) + " " + line.at(1));
    const struct {
      TAlign align;
      int move, expected;
    } c{TPropertyText<TAlign>::FromText(line[0]).value(), std::stoi(line[1]), std::stoi(line.at(2))};
    const bool horizontal = c.align == TAlign::alLeft || c.align == TAlign::alRight;
    TPanel parent;
    parent.SetBounds(0, 0, 400, 300);
    auto* neighbour = new TPanel(&parent);
    neighbour->SetBounds(0, 0, 100, 100);
    neighbour->SetAlign(c.align);
    neighbour->SetParent(&parent);
    auto* splitter = new TSplitter(&parent);
    splitter->SetAlign(c.align);
    splitter->SetBounds(0, 0, 3, 3);
    splitter->SetParent(&parent);
    auto* rest = new TPanel(&parent);
    rest->SetAlign(TAlign::alClient);
    rest->SetParent(&parent);
    ASSERT_EQ(splitter->FindNeighbour(), neighbour);
    int moved = 0;
    splitter->OnMoved = TNotifyEvent{[](void* count, TPersistent*) { ++*static_cast<int*>(count); }, &moved};
    // In small steps, as a real drag comes; each point is in the splitter's coordinates of the moment.
    auto to_parent = [&](int along) {
      return horizontal ? wm::PackPoint(along - splitter->Left(), 1) : wm::PackPoint(1, along - splitter->Top());
    };
    const int start = horizontal ? splitter->Left() + 1 : splitter->Top() + 1;
    splitter->Perform(wm::LButtonDown, 1, to_parent(start));
    const int steps = 10;
    for (int step = 1; step <= steps; ++step) splitter->Perform(wm::MouseMove, 1, to_parent(start + c.move * step / steps));
    EXPECT_EQ(moved, 0);
    splitter->Perform(wm::LButtonUp, 0, to_parent(start + c.move));
    EXPECT_EQ(moved, 1);
    EXPECT_EQ(horizontal ? neighbour->Width() : neighbour->Height(), c.expected);
    const TRect& s = splitter->BoundsRect();
    const TRect& n = neighbour->BoundsRect();
    // The splitter still lies against the neighbour, and the client control fills what is left.
    switch (c.align) {
      case TAlign::alLeft: EXPECT_EQ(s.Left, n.Right); EXPECT_EQ(rest->Left(), s.Right); break;
      case TAlign::alRight: EXPECT_EQ(s.Right, n.Left); EXPECT_EQ(rest->BoundsRect().Right, s.Left); break;
      case TAlign::alTop: EXPECT_EQ(s.Top, n.Bottom); EXPECT_EQ(rest->Top(), s.Bottom); break;
      default: EXPECT_EQ(s.Bottom, n.Top); EXPECT_EQ(rest->BoundsRect().Bottom, s.Top); break;
    }
    splitter->Perform(wm::MouseMove, 0, to_parent(start));
    EXPECT_EQ(horizontal ? neighbour->Width() : neighbour->Height(), c.expected) << "no drag after the release";
  }
}

}  // namespace
}  // namespace ruzi
