#include "foundation/class_registry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "error_text.h"
#include "foundation/property_access.h"

namespace ruzi {
namespace {

class TRegistryProbe : public TComponent {
  RUZI_CLASS_RECORD(TRegistryProbe, TComponent::ClassRecord())

 public:
  using TComponent::TComponent;
};

class TRegistryOther : public TComponent {
  RUZI_CLASS_RECORD(TRegistryOther, TComponent::ClassRecord())

 public:
  using TComponent::TComponent;
};

TComponent* MakeImpostor(TComponent* owner) { return new TComponent(owner); }

TEST(ClassRegistry, CreatesRegisteredClassesByNameInAnyLetterCase) {
  RegisterComponentClass<TRegistryProbe>();
  RegisterComponentClass<TRegistryProbe>();  // again: nothing changes
  RegisterComponentClass<TRegistryOther>();
  EXPECT_EQ(GetClass("tregistryprobe"), TRegistryProbe::ClassRecord());
  EXPECT_EQ(FindClass("TREGISTRYOTHER"), TRegistryOther::ClassRecord());
  const auto registered = RegisteredClasses();
  const auto probe = std::find(registered.begin(), registered.end(), TRegistryProbe::ClassRecord());
  const auto other = std::find(registered.begin(), registered.end(), TRegistryOther::ClassRecord());
  ASSERT_NE(probe, registered.end());
  EXPECT_EQ(other - probe, 1) << "once each, in registration order";

  TComponent owner;
  TComponent* made = CreateComponent("TRegistryProbe", &owner);
  EXPECT_EQ(made->ClassName(), "TRegistryProbe");
  EXPECT_EQ(owner.Components(0), made) << "the owner frees it";
  SetPropText(*made, "Name", "probe1");
  EXPECT_EQ(owner.FindComponent("PROBE1"), made);
}

TEST(ClassRegistry, UnknownAndClashingNamesRaise) {
  RegisterComponentClass<TRegistryProbe>();
  EXPECT_EQ(GetClass("TNoSuchClass"), nullptr);
  testing::ExpectError([] { FindClass("TNoSuchClass"); }, "Class TNoSuchClass not found");
  testing::ExpectError([] { CreateComponent("", nullptr); }, "Class  not found");
  testing::ExpectError([] { RegisterComponentClass(TRegistryProbe::ClassRecord(), &MakeImpostor); },
                       "A class named TRegistryProbe already exists");
  std::unique_ptr<TComponent> made(CreateComponent("TRegistryProbe", nullptr));
  EXPECT_EQ(made->ClassName(), "TRegistryProbe") << "the first registration stays";
}

}  // namespace
}  // namespace ruzi
