#include "foundation/component.h"

#include <algorithm>
#include <iterator>

#include "platform/ascii_case.h"

namespace ruzi {

const TPropertyTable* TComponent::PublishedTable() {
  static const TPropertyInfo properties[] = {Published<&TComponent::Name, &TComponent::SetName>("Name"),
                                             Published<&TComponent::Tag, &TComponent::SetTag>("Tag")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TComponent::TComponent(TComponent* owner) {
  if (owner != nullptr) owner->InsertComponent(this);
}

TComponent::~TComponent() {
  while (!components_.empty()) {
    TComponent* last = components_.back();
    RemoveComponent(last);
    delete last;
  }
  if (owner_ != nullptr) owner_->RemoveComponent(this);
}

TComponent* TComponent::Components(int index) const {
  if (index < 0 || index >= ComponentCount()) return nullptr;
  return components_[static_cast<size_t>(index)];
}

TComponent* TComponent::FindComponent(const std::string& name) const {
  for (TComponent* component : components_) {
    if (!name.empty() && AsciiEqualIgnoreCase(component->Name(), name)) return component;
  }
  return nullptr;
}

void TComponent::InsertComponent(TComponent* component) {
  if (component == nullptr || component->owner_ == this) return;
  if (component->owner_ != nullptr) component->owner_->RemoveComponent(component);
  components_.push_back(component);
  component->owner_ = this;
  NotifyAll(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component) {
  auto found = std::find(components_.begin(), components_.end(), component);
  if (found == components_.end()) return;
  NotifyAll(component, TOperation::opRemove);
  components_.erase(found);
  component->owner_ = nullptr;
}

void TComponent::Notification(TComponent*, TOperation) {}

void TComponent::NotifyAll(TComponent* component, TOperation operation) {
  Notification(component, operation);
  for (TComponent* owned : components_) {
    if (owned != component) owned->Notification(component, operation);
  }
}

}  // namespace ruzi
