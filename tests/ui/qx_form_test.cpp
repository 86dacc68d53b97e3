// The client's base form without windows: the first-show hook runs once per form, before the
// show handler, and chains to the hook it replaced; the zoom forms are TQXForms; and the frame
// classes count as frames for the zoom, the selection frames do not.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/frame.h"
#include "ui/qx_form.h"
#include "ui/selection_frames.h"
#include "ui/zoom_form.h"

namespace ruzi {
namespace {

std::vector<std::string> events;

void Earlier(void*, TQXForm* form) { events.push_back("earlier " + form->Name()); }

struct Later {
  TQXFormEvent previous;
  static void Run(void* data, TQXForm* form) {
    events.push_back("hook " + form->Name());
    static_cast<Later*>(data)->previous(form);
  }
};

TEST(QXForm, FirstShowHookRunsOncePerFormBeforeOnShowAndChains) {
  events.clear();
  const TQXFormEvent saved = TQXForm::SetFirstShowHook(TQXFormEvent{&Earlier, nullptr});
  Later later{TQXForm::SetFirstShowHook(TQXFormEvent{&Later::Run, nullptr})};
  TQXForm::SetFirstShowHook(TQXFormEvent{&Later::Run, &later});
  {
    TQXForm form;
    form.SetName("A");
    form.OnShow = TNotifyEvent{[](void*, TPersistent*) { events.push_back("show"); }, nullptr};
    EXPECT_FALSE(form.FirstShowDone());
    form.Show();
    form.Hide();
    form.Show();
    EXPECT_TRUE(form.FirstShowDone());
    TAutoZoomForm zoom;
    zoom.SetName("Z");
    zoom.Show();
  }
  TQXForm::SetFirstShowHook(saved);
  EXPECT_EQ(events, (std::vector<std::string>{"hook A", "earlier A", "show", "show", "hook Z", "earlier Z"}));
}

TEST(QXForm, ClassLinesTheSkinAndZoomRelyOn) {
  struct Case {
    const TClassRecord* record;
    const TClassRecord* ancestor;
    bool inherits;
  } const cases[] = {
      {TZoomForm::ClassRecord(), TQXForm::ClassRecord(), true},
      {TAutoZoomForm::ClassRecord(), TQXForm::ClassRecord(), true},
      {TManageZoomForm::ClassRecord(), TQXForm::ClassRecord(), true},
      {TQXForm::ClassRecord(), TForm::ClassRecord(), true},
      {TFrameHQ::ClassRecord(), TFrame::ClassRecord(), true},
      {TfmFund::ClassRecord(), TCustomControl::ClassRecord(), true},
      {TfmFund::ClassRecord(), TFrame::ClassRecord(), false},
      {TfmAccountGroup::ClassRecord(), TCustomControl::ClassRecord(), true},
      {TfmStockCode::ClassRecord(), TfmFullStockCode::ClassRecord(), false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.record->InheritsFrom(c.ancestor), c.inherits) << c.record->Name << " / " << c.ancestor->Name;
  }
  EXPECT_STREQ(TfmTradeRival::ClassRecord()->Parent->Name, "TCustomControl");
  TfmQDStockCode frame;
  EXPECT_EQ(frame.ClassName(), "TfmQDStockCode");
}

TEST(QXForm, ControlsInsideFramesTakeTheirBoundsLast) {
  // Children of a frame (of any descendant) are stored and placed by DealFrameZoom; children of a
  // selection frame are placed at once.
  struct Case {
    TWinControl* (*make)(TComponent*);
    bool deferred;
  } const cases[] = {
      {[](TComponent* owner) -> TWinControl* { return new TFrame(owner); }, true},
      {[](TComponent* owner) -> TWinControl* { return new TFrameHQ(owner); }, true},
      {[](TComponent* owner) -> TWinControl* { return new TfmFund(owner); }, false},
  };
  for (const Case& c : cases) {
    TManageZoomForm form(nullptr, 1280, 1024);
    TWinControl* holder = c.make(&form);
    holder->SetParent(&form);
    holder->SetBounds(0, 0, 300, 150);
    auto* inside = new TButton(&form);
    inside->SetParent(holder);
    inside->SetBounds(30, 30, 60, 24);
    TControlZoom root(form);
    TFormZoom& zoom = form.Zoom();
    zoom.CalBasicScalePars();
    std::vector<TZoomEntry> list;
    zoom.StoreControlsPostoList(root, list);
    int index = 0;
    zoom.AdjustControlsScale(root, list, index);
    EXPECT_EQ(zoom.Fields().FrameList.size(), c.deferred ? 1u : 0u) << holder->ClassName();
    EXPECT_EQ(inside->Left(), c.deferred ? 30 : 40) << holder->ClassName();
    zoom.DealFrameZoom();
    EXPECT_EQ(inside->BoundsRect(), (TRect{40, 40, 120, 72})) << holder->ClassName();
  }
}

}  // namespace
}  // namespace ruzi
