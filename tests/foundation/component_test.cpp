#include "foundation/component.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "error_text.h"
#include "foundation/error.h"

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

// The owner's own overrides are gone once its destructor body has run, so only the owned
// components still hear of each other's removal.
TEST(Component, OwnerFreesLastCreatedFirstAndNotifiesTheRest) {
  std::vector<std::string> journal;
  auto* owner = new Probe(nullptr, "owner", &journal);
  new Probe(owner, "a", &journal);
  new Probe(owner, "b", &journal);
  EXPECT_EQ(owner->ComponentCount(), 2);
  EXPECT_EQ(owner->FindComponent("B"), owner->Components(1));
  journal.clear();
  delete owner;
  const std::vector<std::string> expected{"free owner", "a -b", "free b", "free a"};
  EXPECT_EQ(journal, expected);
}

TEST(Component, FreeingAnOwnedComponentLeavesItsOwner) {
  std::vector<std::string> journal;
  Probe owner(nullptr, "owner", &journal);
  auto* child = new Probe(&owner, "child", &journal);
  delete child;
  EXPECT_EQ(owner.ComponentCount(), 0);
  EXPECT_EQ(owner.Components(0), nullptr);
}

TEST(Component, ClassRecordsAnswerAcrossTheHierarchy) {
  std::vector<std::string> journal;
  Probe probe(nullptr, "p", &journal);
  EXPECT_EQ(probe.ClassName(), "Probe");
  EXPECT_TRUE(probe.InheritsFrom(TPersistent::ClassRecord()));
  EXPECT_FALSE(TComponent(nullptr).InheritsFrom(Probe::ClassRecord()));
  TComponent other;
  testing::ExpectError([&] { other.Assign(&probe); }, "Cannot assign a Probe to a TComponent");
}

}  // namespace
}  // namespace ruzi
