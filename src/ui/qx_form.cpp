#include "ui/qx_form.h"

#include <iterator>

namespace ruzi {
namespace {

TQXFormEvent first_show_hook;

}  // namespace

const TPropertyTable* TQXForm::PublishedTable() {
  static const TPropertyInfo properties[] = {Published<&TQXForm::UseSkin, &TQXForm::SetUseSkin>("UseSkin")};
  static const TPropertyTable table{properties, std::size(properties), nullptr, 0};
  return &table;
}

TQXForm::TQXForm(TComponent* owner) : TForm(owner) {}

void TQXForm::DoShow() {
  if (!first_show_done_) {
    first_show_done_ = true;
    FirstShow();
  }
  TForm::DoShow();
}

void TQXForm::FirstShow() { first_show_hook(this); }

TQXFormEvent TQXForm::SetFirstShowHook(TQXFormEvent hook) {
  const TQXFormEvent previous = first_show_hook;
  first_show_hook = hook;
  return previous;
}

TQXFormEvent TQXForm::FirstShowHook() { return first_show_hook; }

}  // namespace ruzi
