#pragma once
// A named object that may own others. An owner frees what it owns when it is freed, the last
// created first, and tells every owned component when one of them goes away (Notification).
// Publishes Name and Tag (property_access.h reads and writes them by name).
// Not thread-safe: a component tree belongs to the thread that builds it.
#include <cstdint>
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/persistent.h"
#include "ruzirareva/foundation/published_property.h"

namespace ruzi {

enum class TOperation { opInsert, opRemove };

class RUZI_API TComponent : public TPersistent {
  RUZI_CLASS_RECORD_PUBLISHED(TComponent, TPersistent::ClassRecord())

 public:
  explicit TComponent(TComponent* owner = nullptr);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  intptr_t Tag() const { return tag_; }
  void SetTag(intptr_t tag) { tag_ = tag; }
  TComponent* Owner() const { return owner_; }

  // Owned components in creation order.
  int ComponentCount() const { return static_cast<int>(components_.size()); }
  TComponent* Components(int index) const;
  // The owned component of this name (letter case ignored), or nullptr.
  TComponent* FindComponent(const std::string& name) const;

  void InsertComponent(TComponent* component);
  void RemoveComponent(TComponent* component);

 protected:
  // Called on the owner and every owned component when a component is inserted or removed.
  virtual void Notification(TComponent* component, TOperation operation);

 private:
  void NotifyAll(TComponent* component, TOperation operation);

  std::string name_;
  intptr_t tag_ = 0;
  TComponent* owner_ = nullptr;
  std::vector<TComponent*> components_;
};

}  // namespace ruzi
