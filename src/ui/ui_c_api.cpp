#include "ui/ui_c_api.h"

#include <exception>
#include <string>
#include <thread>

#include "foundation/class_registry.h"
#include "foundation/error.h"
#include "foundation/gbk.h"
#include "foundation/property_access.h"
#include "platform/thread_slot.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/ui_classes.h"

namespace ruzi {
namespace {

// Each thread reads the error of its own last call, so a pointer handed out stays valid
// until that thread calls again, whatever other threads do.
std::string& LastError() {
  static platform::ThreadSlot<std::string> slot;
  return slot.Get();
}

// Runs a call on the user-interface thread, turning every failure into `failed`.
template <typename Call, typename Result>
Result Guarded(Call call, Result failed) {
  static const std::thread::id ui_thread = std::this_thread::get_id();
  try {
    if (std::this_thread::get_id() != ui_thread) throw Error("Not called on the user-interface thread");
    RegisterUiClasses();
    LastError().clear();
    return call();
  } catch (const std::exception& error) {
    LastError() = error.what();
  } catch (...) {
    LastError() = "unknown error";
  }
  return failed;
}

TComponent& ComponentOf(RuziUiObject object) {
  if (object == nullptr) throw Error("No object given");
  return *static_cast<TComponent*>(object);
}

template <typename Kind>
Kind& As(RuziUiObject object, const char* kind) {
  auto* typed = dynamic_cast<Kind*>(&ComponentOf(object));
  if (typed == nullptr) throw Error(ComponentOf(object).ClassName() + " is no " + kind);
  return *typed;
}

std::string Text(const char* text) {
  if (text == nullptr) throw Error("No text given");
  return text;
}

}  // namespace
}  // namespace ruzi

using namespace ruzi;

RuziUiObject RuziUiCreate(const char* class_name, RuziUiObject owner) {
  return Guarded(
      [&]() -> RuziUiObject {
        TComponent* parent_owner = owner != nullptr ? &ComponentOf(owner) : nullptr;
        TComponent* made = CreateComponent(Text(class_name), parent_owner);
        auto* control = dynamic_cast<TControl*>(made);
        auto* windowed = dynamic_cast<TWinControl*>(parent_owner);
        if (control != nullptr && windowed != nullptr && dynamic_cast<TCustomForm*>(made) == nullptr) {
          control->SetParent(windowed);
        }
        return made;
      },
      static_cast<RuziUiObject>(nullptr));
}

int RuziUiFree(RuziUiObject object) {
  return Guarded(
      [&] {
        delete &ComponentOf(object);
        return 1;
      },
      0);
}

RuziUiObject RuziUiFind(RuziUiObject owner, const char* name) {
  return Guarded(
      [&]() -> RuziUiObject {
        TComponent* found = ComponentOf(owner).FindComponent(Text(name));
        if (found == nullptr) throw Error(ComponentOf(owner).ClassName() + " owns no component \"" + name + "\"");
        return found;
      },
      static_cast<RuziUiObject>(nullptr));
}

int RuziUiSetProp(RuziUiObject object, const char* name, const char* text) {
  return Guarded(
      [&] {
        SetPropText(ComponentOf(object), Text(name), Text(text));
        return 1;
      },
      0);
}

int RuziUiGetProp(RuziUiObject object, const char* name, char* buffer, int size) {
  return Guarded(
      [&] {
        const std::string text = GetPropText(ComponentOf(object), Text(name));
        if (buffer != nullptr && size > 0) {
          // Cut before a double-byte character that would not fit whole.
          const size_t room = static_cast<size_t>(size - 1);
          size_t copied = 0;
          while (copied < text.size()) {
            const size_t step = IsGbkLeadByte(text[copied]) && copied + 1 < text.size() ? 2 : 1;
            if (copied + step > room) break;
            copied += step;
          }
          text.copy(buffer, copied);
          buffer[copied] = '\0';
        }
        return static_cast<int>(text.size());
      },
      -1);
}

int RuziUiSetEvent(RuziUiObject object, const char* name, RuziUiHandler handler, void* data) {
  return Guarded(
      [&] {
        SetMethodProp(ComponentOf(object), Text(name), TMethod{reinterpret_cast<TCodePointer>(handler), data});
        return 1;
      },
      0);
}

int RuziUiShow(RuziUiObject form) {
  return Guarded(
      [&] {
        As<TControl>(form, "control").Show();
        return 1;
      },
      0);
}

int RuziUiShowModal(RuziUiObject form) {
  return Guarded([&] { return As<TCustomForm>(form, "form").ShowModal(); }, 0);
}

void* RuziUiHandle(RuziUiObject control) {
  return Guarded([&]() -> void* { return As<TWinControl>(control, "windowed control").Handle(); },
                 static_cast<void*>(nullptr));
}

int RuziUiRun(RuziUiObject form) {
  return Guarded(
      [&] {
        Application()->SetMainForm(&As<TCustomForm>(form, "form"));
        Application()->Run();
        return 1;
      },
      0);
}

int RuziUiPreTranslate(const void* msg) {
  return Guarded([&] { return msg != nullptr && IsFormDialogMessage(msg) ? 1 : 0; }, 0);
}

const char* RuziUiLastError(void) { return LastError().c_str(); }
