#pragma once
// The client's base form. UseSkin says whether the skin engine dresses the form; DoShow runs
// each time the form is shown, FirstShow once, the first time, where the process-wide first-show
// hook (the skin engine's) sees every such form. SetFormVisible hides and shows the form again
// even while it runs modally: the loop keeps running and the owners stay disabled, so a dialog
// can step aside for another one and come back. User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/foundation/method.h"
#include "ruzirareva/ui/form.h"

namespace ruzi {

class TQXForm;
using TQXFormEvent = TEvent<TQXForm*>;

class RUZI_API TQXForm : public TForm {
  RUZI_CLASS_RECORD_PUBLISHED(TQXForm, TForm::ClassRecord())

 public:
  explicit TQXForm(TComponent* owner = nullptr);

  bool UseSkin() const { return use_skin_; }
  void SetUseSkin(bool use_skin) { use_skin_ = use_skin; }
  // True once the form has been shown.
  bool FirstShowDone() const { return first_show_done_; }

  // Hides or shows the form; shown again while modal, it becomes the active window again.
  void SetFormVisible(bool visible);

  // What showing the form runs: FirstShow the first time, then OnShow.
  void DoShow() override;

  // The hook every TQXForm calls at its first show; answers the one it replaces, which the new
  // hook calls on to keep a chain.
  static TQXFormEvent SetFirstShowHook(TQXFormEvent hook);
  static TQXFormEvent FirstShowHook();

 protected:
  virtual void FirstShow();

 private:
  bool use_skin_ = true;
  bool first_show_done_ = false;
};

}  // namespace ruzi
