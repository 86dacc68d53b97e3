/* A host written in C against the C API alone: it builds a form with an edit, a grid and two
   buttons by class name, sets and reads properties as text, hooks the buttons' clicks, answers
   the modal form by pressing Enter from a timer, and reads the errors and refusals back. Each check prints a line;
   the last line counts the wrong ones ("0 wrong" passes). */
#include <stdio.h>
#include <string.h>
#include <windows.h>

#include "ruzirareva/ui/ui_c_api.h"

static int wrong = 0;

static void Check(int ok, const char* what) {
  printf("%s %s\n", ok ? "ok   " : "WRONG", what);
  if (!ok) {
    printf("      last error: %s\n", RuziUiLastError());
    ++wrong;
  }
}

static int PropIs(RuziUiObject object, const char* name, const char* expected) {
  char text[128];
  return RuziUiGetProp(object, name, text, (int)sizeof text) >= 0 && strcmp(text, expected) == 0;
}

static void Clicked(void* count, RuziUiObject sender) {
  (void)sender;
  ++*(int*)count;
}

/* Sets each name to its value, in order; the list ends with NULL. */
static void SetProps(RuziUiObject object, const char* const* names_and_values) {
  for (; *names_and_values != NULL; names_and_values += 2) RuziUiSetProp(object, names_and_values[0], names_and_values[1]);
}

static HWND edit_window, form_window;
static UINT_PTR enter_timer;

/* Enter in the edit: the form's default button answers it. Should Enter go astray, the close box
   ends the loop (with Cancel, which the checks catch). */
static void CALLBACK Press(HWND window, UINT message, UINT_PTR id, DWORD time) {
  (void)window;
  (void)message;
  (void)time;
  KillTimer(NULL, id);
  if (id == enter_timer) {
    PostMessageW(edit_window, WM_KEYDOWN, VK_RETURN, 1);
  } else {
    PostMessageW(form_window, WM_CLOSE, 0, 0);
  }
}

/* Off the user-interface thread every call is refused, with a last error of that thread's own. */
static DWORD WINAPI OtherThread(void* object) {
  return (DWORD)(RuziUiSetProp((RuziUiObject)object, "Caption", "x") == 0 &&
                 strcmp(RuziUiLastError(), "Not called on the user-interface thread") == 0);
}

int main(void) {
  int ok_clicks = 0, cancel_clicks = 0;
  RuziUiObject form = RuziUiCreate("TQXForm", NULL);
  Check(form != NULL, "a TQXForm made by name");
  Check(RuziUiSetProp(form, "Caption", "C 宿主窗体"), "caption set");
  Check(RuziUiSetProp(form, "Width", "420") && RuziUiSetProp(form, "Height", "260"), "size set");
  Check(RuziUiSetProp(form, "Position", "poScreenCenter"), "position set");
  Check(PropIs(form, "UseSkin", "True"), "a QX form uses the skin unless told not to");

  RuziUiObject edit = RuziUiCreate("TEdit", form);
  Check(edit != NULL && RuziUiSetProp(edit, "Name", "CodeEdit") && RuziUiSetProp(edit, "Caption", "600000") &&
            PropIs(edit, "Caption", "600000"),
        "an edit placed on the form, its text read back");
  SetProps(edit, (const char* const[]){"Left", "10", "Top", "10", NULL});

  RuziUiObject grid = RuziUiCreate("TDBGridEh", form);
  Check(grid != NULL && RuziUiSetProp(grid, "FixedColor", "clSkyBlue") == 0 && strstr(RuziUiLastError(), "clSkyBlue") != NULL,
        "an unknown colour is refused and named");
  Check(RuziUiSetProp(grid, "FixedColor", "$00F0D8C0") && PropIs(grid, "FixedColor", "$00F0D8C0"),
        "the grid's fixed colour round-trips");
  Check(RuziUiSetProp(grid, "TitleFont", "宋体,10,clNavy,[fsBold]") && PropIs(grid, "TitleFont", "宋体,10,clNavy,[fsBold]"),
        "the grid's title font round-trips");
  SetProps(grid, (const char* const[]){"Top", "40", "Left", "10", NULL});

  RuziUiObject ok = RuziUiCreate("TButton", form);
  SetProps(ok, (const char* const[]){"Name", "OkButton", "Caption", "确定", "Default", "True", "ModalResult", "1",
                                     "Left", "230", "Top", "190", NULL});
  Check(RuziUiSetEvent(ok, "OnClick", &Clicked, &ok_clicks), "OK's click hooked");
  RuziUiObject cancel = RuziUiCreate("TButton", form);
  SetProps(cancel, (const char* const[]){"Caption", "取消", "Cancel", "True", "ModalResult", "2", "Left", "320", "Top", "190", NULL});
  Check(RuziUiSetEvent(cancel, "OnClick", &Clicked, &cancel_clicks), "Cancel's click hooked");

  Check(RuziUiFind(form, "okbutton") == ok && RuziUiFind(form, "nobody") == NULL, "found by name in any case, or nothing");
  {
    HWND button = (HWND)RuziUiHandle(ok);
    Check(button != NULL && GetParent(button) == (HWND)RuziUiHandle(form), "the button's window is on the form's");
  }
  edit_window = (HWND)RuziUiHandle(edit);
  form_window = (HWND)RuziUiHandle(form);
  enter_timer = SetTimer(NULL, 0, 300, &Press);
  SetTimer(NULL, 0, 5000, &Press);
  Check(RuziUiShowModal(form) == 1, "Enter answered the modal form with the default button's result");
  Check(ok_clicks == 1 && cancel_clicks == 0, "only OK was clicked, once");
  Check(RuziUiCreate("TNoSuchControl", form) == NULL && strcmp(RuziUiLastError(), "Class TNoSuchControl not found") == 0,
        "an unknown class is refused and named");
  Check(!RuziUiSetProp(ok, "Colour", "clRed") && strcmp(RuziUiLastError(), "TButton has no property \"Colour\"") == 0,
        "an unknown property is refused and named");
  Check(RuziUiShowModal(ok) == 0 && strcmp(RuziUiLastError(), "TButton is no form") == 0, "only a form is modal");
  {
    char small[4];
    Check(RuziUiGetProp(ok, "Caption", small, (int)sizeof small) == 4 && strcmp(small, "确") == 0,
          "a short buffer: the whole length, the text cut before a character that does not fit whole");
  }
  Check(!RuziUiSetProp(ok, "Default", "maybe") &&
            strcmp(RuziUiLastError(), "\"maybe\" is not a valid value of TButton.Default") == 0,
        "a bad value is refused and named");
  {
    DWORD refused = 0;
    HANDLE thread = CreateThread(NULL, 0, &OtherThread, ok, 0, NULL);
    WaitForSingleObject(thread, INFINITE);
    GetExitCodeThread(thread, &refused);
    CloseHandle(thread);
    Check(refused == 1, "a call from another thread is refused, with its own last error");
    Check(strstr(RuziUiLastError(), "maybe") != NULL, "this thread keeps its own last error");
  }
  Check(RuziUiFree(form), "the form freed with what it owns");
  printf("%d wrong\n", wrong);
  return wrong == 0 ? 0 : 1;
}
