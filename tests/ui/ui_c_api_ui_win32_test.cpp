// Every registered class made by name through the C API on a form, its window made with the
// form's, its properties read and written by name (the C host, ui_c_host.c, builds and answers a
// form through the C API alone).
#include <windows.h>

#include <gtest/gtest.h>

#include "foundation/class_registry.h"
#include "ui/ui_c_api.h"
#include "ui/ui_classes.h"

namespace {

TEST(UiCApi, EveryRegisteredClassIsMadeByNameOnAForm) {
  ruzi::RegisterUiClasses();
  RuziUiObject form = RuziUiCreate("TForm", nullptr);
  ASSERT_NE(form, nullptr);
  for (const ruzi::TClassRecord* record : ruzi::RegisteredClasses()) {
    RuziUiObject made = RuziUiCreate(record->Name, form);
    EXPECT_NE(made, nullptr) << record->Name << ": " << RuziUiLastError();
    char name[64];
    EXPECT_GT(RuziUiGetProp(made, "Name", name, sizeof name), -1) << record->Name;
    EXPECT_TRUE(RuziUiSetProp(made, "Tag", "7")) << record->Name;
  }
  EXPECT_NE(RuziUiHandle(form), nullptr) << "every window made with the form's";
  EXPECT_TRUE(RuziUiFree(form));
}

}  // namespace
