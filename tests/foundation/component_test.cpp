// Components: ownership and notices, and class records.
#include "foundation/component.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "error_text.h"

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

}  // namespace
}  // namespace ruzi
