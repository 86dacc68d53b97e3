// A form built and answered through the C API alone, as a C host would, under Wine: objects by
// class name, properties and events by name, a modal result, errors read back, and the calls
// refused off the user-interface thread.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "foundation/class_registry.h"
#include "ui/ui_c_api.h"
#include "ui/ui_classes.h"

namespace {

std::string Prop(RuziUiObject object, const char* name) {
  char text[64];
  const int length = RuziUiGetProp(object, name, text, sizeof text);
  return length < 0 ? std::string("error: ") + RuziUiLastError() : std::string(text);
}

void ClickCounted(void* data, RuziUiObject) { ++*static_cast<int*>(data); }

void CALLBACK PressOk(HWND, UINT, UINT_PTR id, DWORD) {
  KillTimer(nullptr, id);
  HWND ok = FindWindowExW(GetForegroundWindow(), nullptr, L"BUTTON", L"确定");
  if (ok == nullptr) ok = GetFocus();
  SendMessageW(ok, BM_CLICK, 0, 0);
}

TEST(UiCApi, CHostBuildsAndAnswersAForm) {
  RuziUiObject form = RuziUiCreate("tform", nullptr);
  ASSERT_NE(form, nullptr) << RuziUiLastError();
  EXPECT_TRUE(RuziUiSetProp(form, "Caption", "C 宿主"));
  EXPECT_TRUE(RuziUiSetProp(form, "Name", "HostForm"));
  RuziUiObject ok = RuziUiCreate("TButton", form);
  ASSERT_NE(ok, nullptr);
  EXPECT_TRUE(RuziUiSetProp(ok, "Name", "OkButton"));
  EXPECT_TRUE(RuziUiSetProp(ok, "Caption", "确定"));
  EXPECT_TRUE(RuziUiSetProp(ok, "ModalResult", "1"));
  EXPECT_TRUE(RuziUiSetProp(ok, "Default", "True"));
  EXPECT_TRUE(RuziUiSetProp(ok, "Font", "宋体,12,clRed,[fsBold]"));
  int clicks = 0;
  EXPECT_TRUE(RuziUiSetEvent(ok, "OnClick", &ClickCounted, &clicks));
  EXPECT_EQ(RuziUiFind(form, "okbutton"), ok);
  EXPECT_EQ(Prop(ok, "Font"), "宋体,12,clRed,[fsBold]");
  EXPECT_EQ(Prop(form, "Caption"), "C 宿主");
  HWND button = static_cast<HWND>(RuziUiHandle(ok));
  ASSERT_NE(button, nullptr);
  EXPECT_EQ(GetParent(button), static_cast<HWND>(RuziUiHandle(form))) << "placed in its windowed owner";

  SetTimer(nullptr, 0, 50, &PressOk);
  EXPECT_EQ(RuziUiShowModal(form), 1);
  EXPECT_EQ(clicks, 1);

  char small[4];
  EXPECT_EQ(RuziUiGetProp(ok, "Caption", small, sizeof small), 4) << "the whole length";
  EXPECT_STREQ(small, "确") << "cut before a character that does not fit whole";
  EXPECT_EQ(RuziUiCreate("TNoSuchControl", form), nullptr);
  EXPECT_STREQ(RuziUiLastError(), "Class TNoSuchControl not found");
  EXPECT_FALSE(RuziUiSetProp(ok, "Colour", "clRed"));
  EXPECT_STREQ(RuziUiLastError(), "TButton has no property \"Colour\"");
  EXPECT_FALSE(RuziUiSetProp(ok, "Default", "maybe"));
  EXPECT_STREQ(RuziUiLastError(), "\"maybe\" is not a valid value of TButton.Default");
  EXPECT_EQ(RuziUiFind(form, "Nobody"), nullptr);
  EXPECT_EQ(RuziUiShowModal(ok), 0);
  EXPECT_STREQ(RuziUiLastError(), "TButton is no form");

  EXPECT_FALSE(RuziUiSetProp(ok, "Default", "maybe"));
  int answered = -1;
  std::string error;
  std::thread other([&] {
    answered = RuziUiSetProp(ok, "Caption", "x");
    error = RuziUiLastError();
  });
  other.join();
  EXPECT_EQ(answered, 0);
  EXPECT_EQ(error, "Not called on the user-interface thread");
  EXPECT_STREQ(RuziUiLastError(), "\"maybe\" is not a valid value of TButton.Default")
      << "each thread keeps its own last error";
  EXPECT_TRUE(RuziUiFree(form));
}

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
