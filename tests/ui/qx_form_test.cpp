// The client's base form without windows: the first-show hook runs once per form, before the
// show handler, and chains to the hook it replaced, for the zoom forms too.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/qx_form.h"
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

}  // namespace
}  // namespace ruzi
