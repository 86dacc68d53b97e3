#pragma once
// A published property that refers to another component (a form's Menu, a page control's
// ActivePage): its text is that component's Name, "" for none. Writing a name asks `Find` for
// the component (Find(instance, name) answers nullptr when there is none, and the write then
// fails). Tables are constants; the instance belongs to the user-interface thread.
#include <string>
#include <string_view>

#include "foundation/published_property.h"

namespace ruzi {

template <auto Getter, auto Setter, auto Find>
TPropertyInfo PublishedReference(const char* name) {
  using Class = typename published_detail::GetterTraits<decltype(Getter)>::Owner;
  return TPropertyInfo{name, TTypeKind::tkClass,
                       [](const TPersistent& instance) -> std::string {
                         const auto* target = (static_cast<const Class&>(instance).*Getter)();
                         return target != nullptr ? target->Name() : std::string();
                       },
                       [](TPersistent& instance, std::string_view text) {
                         auto& owner = static_cast<Class&>(instance);
                         if (text.empty()) {
                           (owner.*Setter)(nullptr);
                           return true;
                         }
                         auto* target = Find(owner, std::string(text));
                         if (target == nullptr) return false;
                         (owner.*Setter)(target);
                         return true;
                       }};
}

}  // namespace ruzi
