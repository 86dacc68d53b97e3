// Splitter drags without windows: drags fed through the splitter's WindowProc resizing the
// neighbour each alignment names, within MinSize at both ends.
#include <gtest/gtest.h>

#include "ui/panel.h"
#include "ui/splitter.h"
#include "ui/splitter_size.h"
#include "ui/window_message_ids.h"

namespace ruzi {
namespace {

// The drags below keep within both bounds; bounds that cross give the lower one.
TEST(Splitter, CrossedBoundsGiveTheLowerOne) { EXPECT_EQ(SplitterNewSize(TAlign::alLeft, 100, 0, 30, 20), 30); }

struct DragCase {
  TAlign align;
  int move;      // mouse travel along the axis
  int expected;  // the neighbour's size after it
};

class SplitterDrag : public ::testing::TestWithParam<DragCase> {};

TEST_P(SplitterDrag, ResizesTheNeighbourAndReportsOnce) {
  const DragCase& c = GetParam();
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

// 400 x 300 parent, a 3-pixel splitter, MinSize 30: the neighbour ranges over [30, 367] across
// and [30, 267] down.
INSTANTIATE_TEST_SUITE_P(Alignments, SplitterDrag,
                         ::testing::Values(DragCase{TAlign::alLeft, 40, 140}, DragCase{TAlign::alLeft, -200, 30},
                                           DragCase{TAlign::alLeft, 500, 367}, DragCase{TAlign::alRight, -50, 150},
                                           DragCase{TAlign::alRight, 90, 30}, DragCase{TAlign::alRight, -400, 367},
                                           DragCase{TAlign::alTop, 25, 125},
                                           DragCase{TAlign::alTop, 400, 267}, DragCase{TAlign::alBottom, -60, 160}));

}  // namespace
}  // namespace ruzi
