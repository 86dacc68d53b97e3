// Published properties read and set by name, and the registry that makes components by class name.
#include "foundation/published_property.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <string>
#include <vector>

#include "error_text.h"
#include "foundation/class_registry.h"
#include "foundation/component.h"
#include "foundation/property_access.h"
#include "vector_file.h"

namespace ruzi {

enum class TProbeAlign { alNone, alTop, alClient };

template <>
struct TEnumNames<TProbeAlign> {
  static constexpr std::array<const char*, 3> Names{"alNone", "alTop", "alClient"};
};

namespace {

// A value with its getter and setter.
#define RUZI_PROBE_PROPERTY(Type, Name, initial)          \
 public:                                                  \
  Type Name() const { return Name##_; }                   \
  void Set##Name(Type value) { Name##_ = value; }         \
                                                          \
 private:                                                 \
  Type Name##_ = initial;

// A small class tree publishing one property of every kind, an event, and (lower down) a
// property of the same name as an ancestor's.
class TProbeControl : public TComponent {
  RUZI_CLASS_RECORD_PUBLISHED(TProbeControl, TComponent::ClassRecord())
  RUZI_PROBE_PROPERTY(std::string, Caption, "")
  RUZI_PROBE_PROPERTY(bool, Visible, true)
  RUZI_PROBE_PROPERTY(int, Width, 0)
  RUZI_PROBE_PROPERTY(TProbeAlign, Align, TProbeAlign::alNone)
  RUZI_PROBE_PROPERTY(double, Ratio, 1)
  RUZI_PROBE_PROPERTY(uint8_t, Depth, 0)

 public:
  using TComponent::TComponent;
  TNotifyEvent OnClick;
};

const TPropertyTable* TProbeControl::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TProbeControl::Caption, &TProbeControl::SetCaption>("Caption"),
      Published<&TProbeControl::Visible, &TProbeControl::SetVisible>("Visible"),
      Published<&TProbeControl::Width, &TProbeControl::SetWidth>("Width"),
      Published<&TProbeControl::Align, &TProbeControl::SetAlign>("Align"),
      Published<&TProbeControl::Ratio, &TProbeControl::SetRatio>("Ratio"),
      Published<&TProbeControl::Depth, &TProbeControl::SetDepth>("Depth")};
  static const TEventInfo events[] = {PublishedEvent<&TProbeControl::OnClick>("OnClick")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

// Publishes Height of its own and Width again, as a 64-bit value.
class TProbeWide : public TProbeControl {
  RUZI_CLASS_RECORD_PUBLISHED(TProbeWide, TProbeControl::ClassRecord())
  RUZI_PROBE_PROPERTY(int, Height, 0)
  RUZI_PROBE_PROPERTY(int64_t, WideWidth, 0)

 public:
  using TProbeControl::TProbeControl;
};

const TPropertyTable* TProbeWide::PublishedTable() {
  static const TPropertyInfo properties[] = {Published<&TProbeWide::Height, &TProbeWide::SetHeight>("Height"),
                                             Published<&TProbeWide::WideWidth, &TProbeWide::SetWideWidth>("Width")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

std::vector<std::string> NamesOf(const TClassRecord* record) {
  std::vector<std::string> names;
  for (const TPropertyInfo* info : GetPropList(record)) names.push_back(info->Name);
  return names;
}

TEST(PublishedProperties, ListedRootFirstWithARepublishedNameInItsPlace) {
  EXPECT_EQ(NamesOf(TComponent::ClassRecord()), (std::vector<std::string>{"Name", "Tag"}));
  EXPECT_EQ(NamesOf(TProbeWide::ClassRecord()),
            (std::vector<std::string>{"Name", "Tag", "Caption", "Visible", "Width", "Align", "Ratio", "Depth",
                                      "Height"}));
  EXPECT_EQ(FindPropInfo(TProbeWide::ClassRecord(), "width"), &TProbeWide::PublishedTable()->Properties[1]);
  EXPECT_EQ(FindPropInfo(TComponent::ClassRecord(), "Caption"), nullptr);
  EXPECT_EQ(FindPropInfo(TPersistent::ClassRecord(), "Name"), nullptr);
}

void CountClick(void* data, TPersistent*) { ++*static_cast<int*>(data); }

// Texts of every kind, letter cases and refusals from the data file; events as code-data pairs.
TEST(PublishedProperties, TextsByNameAndEvents) {
  TProbeControl control(nullptr);
  TProbeWide wide(nullptr);
  auto probe = [&](const std::string& name) -> TPersistent& { return name == "Wide" ? wide : control; };
  testing::CheckAnswers("fnd_published_properties.txt", {
      {"Set", [&](auto& a) { SetPropText(probe(a[0]), a[1], a[2]); return GetPropText(probe(a[0]), a[1]); }},
      {"Get", [&](auto& a) { return GetPropText(probe(a[0]), a[1]); }},
      {"Exists", [&](auto& a) { return testing::Num(PropertyExists(probe(a[0]), a[1])); }},
      {"GetMethod", [&](auto& a) { GetMethodProp(probe(a[0]), a[1]); return std::string("a method"); }},
  });
  EXPECT_EQ(wide.Width(), 0) << "the republished Width must hide the ancestor's";
  int clicks = 0;
  const TMethod handler = TNotifyEvent{CountClick, &clicks}.AsMethod();
  SetMethodProp(control, "onClick", handler);
  control.OnClick(&control);
  EXPECT_EQ(GetMethodProp(control, "OnClick"), handler);
  SetMethodProp(control, "OnClick", TMethod{});
  control.OnClick(&control);  // an empty handler does nothing
  SetMethodProp(control, "OnClick", handler);
  control.OnClick(&control);
  EXPECT_EQ(clicks, 2);
}

TComponent* MakeImpostor(TComponent* owner) { return new TComponent(owner); }

TEST(ClassRegistry, CreatesRegisteredClassesByNameInAnyLetterCaseAndRefusesClashes) {
  RegisterComponentClass<TProbeControl>();
  RegisterComponentClass<TProbeControl>();  // again: nothing changes
  RegisterComponentClass<TProbeWide>();
  EXPECT_EQ(GetClass("tprobecontrol"), TProbeControl::ClassRecord());
  EXPECT_EQ(FindClass("TPROBEWIDE"), TProbeWide::ClassRecord());
  const auto registered = RegisteredClasses();
  const auto probe = std::find(registered.begin(), registered.end(), TProbeControl::ClassRecord());
  ASSERT_NE(probe, registered.end());
  EXPECT_EQ(std::find(registered.begin(), registered.end(), TProbeWide::ClassRecord()) - probe, 1)
      << "once each, in registration order";
  EXPECT_EQ(GetClass("TNoSuchClass"), nullptr);
  testing::ExpectError([] { FindClass("TNoSuchClass"); }, "Class TNoSuchClass not found");
  testing::ExpectError([] { CreateComponent("", nullptr); }, "Class  not found");
  testing::ExpectError([] { RegisterComponentClass(TProbeControl::ClassRecord(), &MakeImpostor); },
                       "A class named TProbeControl already exists");
  TComponent owner;
  TComponent* made = CreateComponent("TProbeControl", &owner);
  EXPECT_EQ(made->ClassName(), "TProbeControl") << "the first registration stays";
  EXPECT_EQ(owner.Components(0), made) << "the owner frees it";
  SetPropText(*made, "Name", "probe1");
  EXPECT_EQ(owner.FindComponent("PROBE1"), made);
}

}  // namespace
}  // namespace ruzi
