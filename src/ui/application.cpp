#include "ui/application.h"

#include "ui/form.h"

namespace ruzi {

TApplication::TApplication() : TComponent(nullptr) {}

void TApplication::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == TOperation::opRemove && component == main_form_) main_form_ = nullptr;
}

TApplication* Application() {
  // Lives for the whole process: forms may still ask for it from their destructors at exit.
  static auto* application = new TApplication;
  return application;
}

TScreen* Screen() {
  static auto* screen = new TScreen;
  return screen;
}

}  // namespace ruzi
