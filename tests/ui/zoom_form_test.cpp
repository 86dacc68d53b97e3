// The zoom forms on real controls (without windows): zoomed once at first show for the screen
// they are given, labels a little larger, fonts by the factor, client-aligned bounds left to
// the alignment, the client combos' item height, the columns of a data grid and a tree, and the
// controls inside a frame.
// The client's base form: the first-show hook runs once per form, before the show handler, and
// chains to the hook it replaced, for the zoom forms too.
#include <gtest/gtest.h>

#include "ui/application.h"
#include "ui/db_grid_eh.h"
#include "ui/frame.h"
#include "ui/graphic_control.h"
#include "ui/qx_combo_boxes.h"
#include "ui/qx_form.h"
#include "ui/virtual_string_tree.h"
#include "ui/zoom_form.h"
#include <string>
#include <vector>

namespace ruzi {
namespace {

class TLabel : public TGraphicControl {
  RUZI_CLASS_RECORD(TLabel, TGraphicControl::ClassRecord())

 public:
  using TGraphicControl::TGraphicControl;
};

TEST(ZoomForm, ManagedFormZoomsOnceAtFirstShowForItsScreen) {
  TManageZoomForm form(nullptr, 1280, 1024);
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
  TCustomComboBox* combos[] = {new TQxComboBox(&form), new TBoundComboBox(&form), new TComboBox(&form)};
  for (TCustomComboBox* combo : combos) combo->SetParent(&form);
  auto* grid = new TDBGridEh(&form);
  grid->SetParent(&form);
  TColumnEh& column = grid->Columns().Add("Code");
  column.SetWidth(90);
  column.Title().Font().SetColor(clRed);
  grid->FooterFont().SetSize(12);
  auto* tree = new TVirtualStringTree(&form);
  tree->SetParent(&form);
  tree->Columns() = {{"A", 75}, {"B", 30}};
  auto* frame = new TFrameHQ(&form);
  frame->SetParent(&form);
  frame->SetBounds(0, 0, 300, 150);
  auto* framed = new TButton(&form);
  framed->SetParent(frame);
  framed->SetBounds(30, 30, 60, 24);
  EXPECT_EQ(label->Left(), 100) << "nothing before the first show";
  form.Show();
  EXPECT_EQ(label->BoundsRect(), (TRect{133, 53, 133 + 80 + 3, 53 + 16 + 5}));
  EXPECT_EQ(inner->BoundsRect(), (TRect{40, 40, 140, 73}));
  EXPECT_EQ(framed->BoundsRect(), (TRect{40, 40, 120, 72})) << "inside a frame: placed last, zoomed alike";
  EXPECT_EQ(panel->Align(), TAlign::alBottom);
  EXPECT_EQ(panel->BoundsRect().Bottom, form.ClientRect().Bottom) << "placed by its alignment";
  EXPECT_EQ((std::vector<int>{label->Font().Size(), inner->Font().Size(), column.Font().Size(), column.Title().Font().Size(),
                              grid->TitleFont().Size(), grid->FooterFont().Size(), tree->HeaderFont().Size()}),
            (std::vector<int>{12, 12, 12, 12, 12, 16, 12})) << "font sizes 9 and 12 x 4/3";
  EXPECT_EQ(column.Title().Font().Color(), clRed) << "colours kept";
  EXPECT_EQ((std::vector<int>{column.Width(), tree->Columns()[0].Width, tree->Columns()[1].Width, combos[0]->ItemHeight(),
                              combos[1]->ItemHeight(), combos[2]->ItemHeight()}),
            (std::vector<int>{120, 100, 40, 21, 21, 16}))
      << "column widths 90, 75 and 30 x 4/3, and the client's combos alone: item height 16 x 4/3";
  form.Hide();
  form.Show();
  EXPECT_EQ(label->Left(), 133) << "later shows never zoom again";
}

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

}  // namespace
}  // namespace ruzi
