#pragma once
// Controls set up and checked by steps written in the data files, one a field: "Prop=text" sets a
// published property, "Prop?text" reads it back (an event's name: how often it ran),
// "error?text" is what the set before it was refused with; "click" and "choose" are what a
// button's and a list's window report to their control.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>

#include "error_text.h"
#include "foundation/class_registry.h"
#include "foundation/property_access.h"
#include "ui/control_messages.h"
#include "ui/ui_classes.h"
#include "ui_fixtures.h"
#include "vector_file.h"

namespace ruzi::testing {

struct ControlScript {
  std::map<std::string, int> calls;  // by event
  std::string refused;

  explicit ControlScript(TComponent& control) {
    for (const char* event : {"OnChange", "OnClick"}) {
      if (PropertyExists(control, event)) SetMethodProp(control, event, Counting(&calls[event]).AsMethod());
    }
  }
  void Step(TComponent& control, const std::string& step) {
    SCOPED_TRACE(std::string(control.ClassName()) + ": " + step);
    const size_t mark = step.find_first_of("=?");
    const std::string name = step.substr(0, mark), text = mark == std::string::npos ? "" : step.substr(mark + 1);
    if (name == "error") {
      EXPECT_EQ(std::exchange(refused, ""), text);
      return;
    }
    EXPECT_EQ(std::exchange(refused, ""), "") << "refused";
    if (step == "click" || step == "choose") {
      dynamic_cast<TControl&>(control).Perform(CN_COMMAND, step == "click" ? 0 : uintptr_t{1} << 16);  // BN_CLICKED, CBN_SELCHANGE
    } else if (step[mark] == '=') {
      refused = ErrorOf([&] { SetPropText(control, name, text); });
      if (refused == "(no error)") refused.clear();
    } else {
      EXPECT_EQ(calls.count(name) ? std::to_string(calls[name]) : GetPropText(control, name), text);
    }
  }
};

// Makes the controls of the lines of tests/data/<file> that start with `scene` on `parent`: each
// line names the class, the control's name and its bounds ("left,top,width,height"), then steps.
inline void MakeControls(TWinControl& parent, const std::string& file, const std::string& scene) {
  RegisterUiClasses();
  int made = 0;
  for (const VectorCase& line : ReadVectors(file)) {
    if (line.at(0) != scene) continue;
    ++made;
    auto* control = dynamic_cast<TControl*>(CreateComponent(line.at(1), &parent));
    ASSERT_NE(control, nullptr) << line[1];
    int left = 0, top = 0, width = 0, height = 0;
    std::sscanf(line.at(3).c_str(), "%d,%d,%d,%d", &left, &top, &width, &height);
    control->SetName(line[2]);
    control->SetBounds(left, top, width, height);
    control->SetParent(&parent);
    ControlScript script(*control);
    for (size_t i = 4; i < line.size(); ++i) script.Step(*control, line[i]);
    EXPECT_EQ(script.refused, "") << line[2];
  }
  EXPECT_GT(made, 0) << "no line of scene " << scene << " in " << file;
}

// A control MakeControls made, by name.
template <typename Control>
Control* Made(TComponent& parent, const std::string& name) {
  auto* control = dynamic_cast<Control*>(parent.FindComponent(name));
  EXPECT_NE(control, nullptr) << name;
  return control;
}

}  // namespace ruzi::testing
