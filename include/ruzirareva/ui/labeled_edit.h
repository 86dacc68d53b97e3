#pragma once
// An edit with its caption label (EditLabel) above it, or where LabelPosition puts it.
// User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/edit.h"
#include "ruzirareva/ui/label_host.h"

namespace ruzi {

class RUZI_API TLabeledEdit : public TLabelHost<TCustomEdit> {
  RUZI_CLASS_RECORD_PUBLISHED(TLabeledEdit, TCustomEdit::ClassRecord())

 public:
  explicit TLabeledEdit(TComponent* owner = nullptr) : TLabelHost(owner, TLabelPosition::lpAbove) {}
};

}  // namespace ruzi
