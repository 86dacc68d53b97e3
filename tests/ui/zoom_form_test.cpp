// The zoom forms on real controls (without windows): zoomed once at first show for the screen
// they are given, labels a little larger, fonts by the factor, client-aligned bounds left to
// the alignment, rate changes scaling by new over old.
#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/graphic_control.h"
#include "ui/zoom_form.h"

namespace ruzi {
namespace {

class TLabel : public TGraphicControl {
  RUZI_CLASS_RECORD(TLabel, TGraphicControl::ClassRecord())

 public:
  using TGraphicControl::TGraphicControl;
};

struct Layout {
  TControl* label;
  TWinControl* panel;
  TControl* inner;
};

Layout Fill(TCustomForm& form) {
  form.SetBounds(0, 0, 800, 600);
  auto* label = new TLabel(&form);
  label->SetBounds(100, 40, 60, 12);
  label->SetParent(&form);
  auto* panel = new TWinControl(&form);
  panel->SetBounds(0, 200, 800, 400);
  panel->SetAlign(TAlign::alBottom);
  panel->SetParent(&form);
  auto* inner = new TButton(&form);
  inner->SetBounds(30, 30, 75, 25);
  inner->SetParent(panel);
  return {label, panel, inner};
}

TEST(ZoomForm, ManagedFormZoomsOnceAtFirstShowForItsScreen) {
  TManageZoomForm form(nullptr, 1280, 1024);
  const Layout layout = Fill(form);
  EXPECT_EQ(layout.label->Left(), 100) << "nothing before the first show";
  form.Show();
  EXPECT_EQ(layout.label->BoundsRect(), (TRect{133, 53, 133 + 80 + 3, 53 + 16 + 5}));
  EXPECT_EQ(layout.label->Font().Size(), 12);
  EXPECT_EQ(layout.inner->BoundsRect(), (TRect{40, 40, 140, 73}));
  EXPECT_EQ(layout.inner->Font().Size(), 12);
  EXPECT_EQ(layout.panel->Align(), TAlign::alBottom);
  EXPECT_EQ(layout.panel->BoundsRect().Bottom, form.ClientRect().Bottom) << "placed by its alignment";
  form.Hide();
  form.Show();
  EXPECT_EQ(layout.label->Left(), 133) << "later shows never zoom again";
}

TEST(ZoomForm, RateChangesScaleByNewOverOld) {
  TZoomForm form;
  const Layout layout = Fill(form);
  form.Show();
  EXPECT_EQ(layout.label->Left(), 100) << "a plain zoom form zooms only when asked";
  form.SetFResolutionRate(125);
  EXPECT_EQ(layout.label->Left(), 125);
  EXPECT_EQ(layout.inner->Width(), 93) << "edges rounded, ties to even: 37.5 -> 38, 131.25 -> 131";
  form.SetFResolutionRate(125.00001);
  EXPECT_EQ(layout.label->Left(), 125) << "equal to four decimals: nothing";
  form.SetFResolutionRate(100);
  EXPECT_EQ(layout.label->Left(), 100);
  EXPECT_TRUE(form.Visible()) << "shown again after the change";
}

TEST(ZoomForm, AutoFormOnTheDesignedScreenIsLeftAlone) {
  if (Screen()->Width() != 1024 || Screen()->Height() != 768) {
    GTEST_SKIP() << "needs a 1024 x 768 screen (as natively)";
  }
  TAutoZoomForm form;
  const Layout layout = Fill(form);
  form.Show();
  EXPECT_EQ(layout.label->BoundsRect(), (TRect{100, 40, 160, 52}));
  EXPECT_EQ(layout.label->Font().Size(), 9);
}

}  // namespace
}  // namespace ruzi
