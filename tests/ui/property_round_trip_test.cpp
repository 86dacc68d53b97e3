// Every published property of every registered class, whoever registered it: set from its own
// text it reads back the same text, and each value name of an enumeration or set reads back as
// written. A setter that drops, clamps or mis-writes a value fails here by class and name.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "foundation/class_registry.h"
#include "foundation/property_access.h"
#include "ui/ui_classes.h"

namespace ruzi {
namespace {

void ExpectRoundTrip(TComponent& object, const TPropertyInfo& info, const std::string& text) {
  SetPropText(object, info.Name, text);
  EXPECT_EQ(GetPropText(object, info.Name), text) << object.ClassName() << "." << info.Name;
}

TEST(PropertyRoundTrip, EveryPublishedPropertyOfEveryRegisteredClass) {
  RegisterUiClasses();
  int checked = 0;
  for (const TClassRecord* record : RegisteredClasses()) {
    std::unique_ptr<TComponent> object(CreateComponent(record->Name, nullptr));
    ASSERT_NE(object, nullptr) << record->Name;
    EXPECT_STREQ(object->ClassType()->Name, record->Name) << "made by name as itself";
    for (const TPropertyInfo* info : GetPropList(record)) {
      ExpectRoundTrip(*object, *info, GetPropText(*object, info->Name));
      ++checked;
      if (info->Kind == TTypeKind::tkEnumeration) {
        for (size_t value = 0; value < info->ValueCount; ++value) ExpectRoundTrip(*object, *info, info->ValueNames[value]);
      }
      if (info->Kind == TTypeKind::tkSet) {
        for (size_t value = 0; value < info->ValueCount; ++value) {
          ExpectRoundTrip(*object, *info, std::string("[") + info->ValueNames[value] + "]");
        }
        ExpectRoundTrip(*object, *info, "[]");
      }
    }
  }
  EXPECT_GT(checked, 100) << "the registry is filled";
}

}  // namespace
}  // namespace ruzi
