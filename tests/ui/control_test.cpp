// Controls without windows: messages through the replaceable WindowProc, the notifications a
// change sends, fonts and colours shared down the tree, alignment on resize, children freed with
// their parent, and the graphic child that takes a point and its clicks.
#include <gtest/gtest.h>

#include <memory>

#include "error_text.h"
#include "ui/control_messages.h"
#include "ui/graphic_control.h"
#include "ui/win_control.h"
#include "ui/window_message_ids.h"

namespace ruzi {
namespace {

// Records every message reaching it, then passes it on.
struct Recorder {
  TControl* control;
  std::vector<uint32_t> seen;
  TWndMethod Handler() { return TWndMethod{&Record, this}; }
  static void Record(void* data, TMessage& message) {
    auto* self = static_cast<Recorder*>(data);
    self->seen.push_back(message.Msg);
    self->control->WindowProc().CallPrevious(self->Handler(), message);
  }
};

TEST(Control, WindowProcReplacementsHearEachChangeOnceAndComeOutInEitherOrder) {
  for (bool first_out_first : {true, false}) {
    TGraphicControl control;
    Recorder a{&control, {}}, b{&control, {}};
    control.WindowProc().Replace(a.Handler());
    control.WindowProc().Replace(b.Handler());
    control.SetVisible(false);
    control.SetVisible(false);
    control.SetEnabled(false);
    control.SetColor(clRed);
    control.Font().SetSize(12);
    control.SetText("确定");
    control.SetText("确定");
    const std::vector<uint32_t> changes{0xB00B, 0xB00C, CM_COLORCHANGED, CM_FONTCHANGED, CM_TEXTCHANGED};
    EXPECT_EQ(a.seen, changes);
    EXPECT_EQ(b.seen, changes);
    control.WindowProc().Restore(first_out_first ? a.Handler() : b.Handler());
    control.Perform(CM_MOUSEENTER);
    EXPECT_EQ(a.seen.size(), first_out_first ? 5u : 6u);
    EXPECT_EQ(b.seen.size(), first_out_first ? 6u : 5u);
    control.WindowProc().Restore(first_out_first ? b.Handler() : a.Handler());
    control.Perform(CM_MOUSELEAVE);
    EXPECT_EQ(a.seen.size() + b.seen.size(), 11u) << "neither sees messages once restored";
    EXPECT_EQ(control.WindowProc().ReplacementCount(), 0);
  }
}

TEST(Control, FontAndColourFollowTheParentUntilSetApart) {
  TWinControl form;
  auto* panel = new TWinControl(&form);
  panel->SetParent(&form);
  auto* label = new TGraphicControl(&form);
  label->SetParent(panel);
  auto* own = new TGraphicControl(&form);
  own->SetParent(panel);
  own->Font().SetName("Tahoma");
  own->SetColor(clYellow);

  form.Font().SetSize(14);
  form.SetColor(clWhite);
  EXPECT_EQ(label->Font().Size(), 14) << "through the panel";
  EXPECT_EQ(label->Color(), clWhite);
  EXPECT_TRUE(label->ParentFont());
  EXPECT_EQ(own->Font().Name(), "Tahoma");
  EXPECT_EQ(own->Font().Size(), 9) << "set apart: keeps its own font";
  EXPECT_FALSE(own->ParentFont());
  EXPECT_EQ(own->Color(), clYellow);

  own->SetParentFont(true);
  own->SetParentColor(true);
  EXPECT_TRUE(own->Font().SameAs(form.Font()));
  EXPECT_EQ(own->Color(), clWhite);

  // Moved under another parent: takes that parent's looks.
  TWinControl other;
  other.Font().SetSize(20);
  label->SetParent(&other);
  EXPECT_EQ(label->Font().Size(), 20);
  EXPECT_EQ(panel->ControlCount(), 1);
  label->SetParent(panel);
}

TEST(Control, ParentResizeRealignsAndAnchors) {
  TWinControl parent;
  parent.SetBounds(0, 0, 400, 300);
  TGraphicControl top, client, corner;
  top.SetBounds(0, 0, 10, 30);
  top.SetAlign(TAlign::alTop);
  client.SetAlign(TAlign::alClient);
  corner.SetBounds(350, 250, 40, 40);
  corner.SetAnchors({TAnchorKind::akRight, TAnchorKind::akBottom});
  TControl* const children[] = {&top, &client, &corner};
  for (TControl* c : children) c->SetParent(&parent);
  EXPECT_EQ(top.BoundsRect(), (TRect{0, 0, 400, 30}));
  EXPECT_EQ(client.BoundsRect(), (TRect{0, 30, 400, 300}));
  parent.SetBounds(0, 0, 500, 400);
  EXPECT_EQ(top.BoundsRect(), (TRect{0, 0, 500, 30}));
  EXPECT_EQ(client.BoundsRect(), (TRect{0, 30, 500, 400}));
  EXPECT_EQ(corner.BoundsRect(), (TRect{450, 350, 490, 390}));
  parent.SetBounds(0, 0, 400, 300);
  EXPECT_EQ(corner.BoundsRect(), (TRect{350, 250, 390, 290})) << "back where it started";
  top.SetVisible(false);
  EXPECT_EQ(client.BoundsRect(), (TRect{0, 0, 400, 300})) << "a hidden control gives its edge up";
  for (TControl* c : children) c->SetParent(nullptr);
}

TEST(Control, ChildrenGoWithTheirParentAndLeaveTheirOwner) {
  TComponent owner;
  auto* parent = new TWinControl(&owner);
  auto* child = new TGraphicControl(&owner);
  auto* grandchild_parent = new TWinControl(&owner);
  child->SetParent(parent);
  grandchild_parent->SetParent(parent);
  auto* grandchild = new TGraphicControl(&owner);
  grandchild->SetParent(grandchild_parent);
  EXPECT_EQ(owner.ComponentCount(), 4);
  delete parent;
  EXPECT_EQ(owner.ComponentCount(), 0) << "every control under the parent went with it";

  TWinControl keeper;
  auto* leaving = new TGraphicControl(&owner);
  leaving->SetParent(&keeper);
  delete leaving;
  EXPECT_EQ(keeper.ControlCount(), 0);
  EXPECT_EQ(testing::ErrorOf([&] { keeper.Controls(0); }), "Control index out of bounds (0)");
}

// The topmost visible graphic child takes a point, and a press and release inside it is one click.
TEST(Control, TopmostGraphicChildTakesThePointAndAPressReleasedInsideClicks) {
  TWinControl parent;
  TGraphicControl below, above;
  below.SetBounds(0, 0, 50, 50);
  above.SetBounds(25, 25, 50, 20);
  below.SetParent(&parent);
  above.SetParent(&parent);
  EXPECT_EQ(parent.GraphicControlAt(30, 30), &above);
  EXPECT_EQ(parent.GraphicControlAt(10, 10), &below);
  EXPECT_EQ(parent.GraphicControlAt(80, 80), nullptr);
  int clicks = 0;
  above.OnClick = TNotifyEvent{[](void* count, TPersistent*) { ++*static_cast<int*>(count); }, &clicks};
  const struct {
    int down_x, up_x;
    bool enabled;
    int clicks;
  } cases[] = {{5, 10, true, 1}, {5, 60, true, 0}, {5, -1, true, 0}, {5, 10, false, 0}};
  for (const auto& c : cases) {
    clicks = 0;
    above.SetEnabled(c.enabled);
    above.Perform(wm::LButtonDown, 0, wm::PackPoint(c.down_x, 5));
    above.Perform(wm::LButtonUp, 0, wm::PackPoint(c.up_x, 5));
    above.Perform(wm::LButtonUp, 0, wm::PackPoint(c.up_x, 5));  // a second release clicks nothing
    EXPECT_EQ(clicks, c.clicks) << c.up_x << " " << c.enabled;
  }
  above.SetVisible(false);
  EXPECT_EQ(parent.GraphicControlAt(30, 30), &below);
  below.SetParent(nullptr);
  above.SetParent(nullptr);
}

}  // namespace
}  // namespace ruzi
