// Components: ownership and notices, class records, and the registry that makes them by name.
#include "foundation/component.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "error_text.h"
#include "foundation/class_registry.h"
#include "foundation/property_access.h"

namespace ruzi {
namespace {

// Records every notice and its own destruction into a shared journal.
class Probe : public TComponent {
  RUZI_CLASS_RECORD(Probe, TComponent::ClassRecord())

 public:
  Probe(TComponent* owner, std::string name, std::vector<std::string>* journal)
      : TComponent(owner), journal_(journal) {
    SetName(std::move(name));
  }
  ~Probe() override { journal_->push_back("free " + Name()); }

 protected:
  void Notification(TComponent* component, TOperation operation) override {
    journal_->push_back(Name() + (operation == TOperation::opInsert ? " +" : " -") + component->Name());
  }

 private:
  std::vector<std::string>* journal_;
};

// A freed component leaves its owner. The owner's own overrides are gone once its destructor
// body has run, so only the owned components still hear of each other's removal.
TEST(Component, OwnerFreesLastCreatedFirstAndNotifiesTheRest) {
  std::vector<std::string> journal;
  auto* owner = new Probe(nullptr, "owner", &journal);
  new Probe(owner, "a", &journal);
  delete new Probe(owner, "gone", &journal);
  new Probe(owner, "b", &journal);
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->FindComponent("B"), owner->Components(1));
  EXPECT_EQ(owner->Components(2), nullptr);
  journal.clear();
  delete owner;
  EXPECT_EQ(journal, (std::vector<std::string>{"free owner", "a -b", "free b", "free a"}));
  EXPECT_TRUE(Probe(nullptr, "p", &journal).InheritsFrom(TPersistent::ClassRecord()));
  EXPECT_FALSE(TComponent(nullptr).InheritsFrom(Probe::ClassRecord()));
  TComponent other;
  Probe probe(nullptr, "q", &journal);
  testing::ExpectError([&] { other.Assign(&probe); }, "Cannot assign a Probe to a TComponent");
}

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

TEST(ClassRegistry, CreatesRegisteredClassesByNameInAnyLetterCaseAndRefusesClashes) {
  RegisterComponentClass<TRegistryProbe>();
  RegisterComponentClass<TRegistryProbe>();  // again: nothing changes
  RegisterComponentClass<TRegistryOther>();
  EXPECT_EQ(GetClass("tregistryprobe"), TRegistryProbe::ClassRecord());
  EXPECT_EQ(FindClass("TREGISTRYOTHER"), TRegistryOther::ClassRecord());
  const auto registered = RegisteredClasses();
  const auto probe = std::find(registered.begin(), registered.end(), TRegistryProbe::ClassRecord());
  ASSERT_NE(probe, registered.end());
  EXPECT_EQ(std::find(registered.begin(), registered.end(), TRegistryOther::ClassRecord()) - probe, 1)
      << "once each, in registration order";
  EXPECT_EQ(GetClass("TNoSuchClass"), nullptr);
  testing::ExpectError([] { FindClass("TNoSuchClass"); }, "Class TNoSuchClass not found");
  testing::ExpectError([] { CreateComponent("", nullptr); }, "Class  not found");
  testing::ExpectError([] { RegisterComponentClass(TRegistryProbe::ClassRecord(), &MakeImpostor); },
                       "A class named TRegistryProbe already exists");
  TComponent owner;
  TComponent* made = CreateComponent("TRegistryProbe", &owner);
  EXPECT_EQ(made->ClassName(), "TRegistryProbe") << "the first registration stays";
  EXPECT_EQ(owner.Components(0), made) << "the owner frees it";
  SetPropText(*made, "Name", "probe1");
  EXPECT_EQ(owner.FindComponent("PROBE1"), made);
}

}  // namespace
}  // namespace ruzi
