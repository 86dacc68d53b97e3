#pragma once
// The client's search combo boxes (counterparties, fixed-income counterparties, funds, stock
// codes, general lists): combo boxes with a caption label on their left. TSearchCombox is
// their common root, under TCustomComboBox. User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/combo_box.h"
#include "ruzirareva/ui/label_host.h"

namespace ruzi {

class RUZI_API TSearchCombox : public TLabelHost<TCustomComboBox> {
  RUZI_CLASS_RECORD_PUBLISHED(TSearchCombox, TCustomComboBox::ClassRecord())

 public:
  explicit TSearchCombox(TComponent* owner = nullptr) : TLabelHost(owner, TLabelPosition::lpLeft) {}
};

class RUZI_API TTradeRivalCombox : public TSearchCombox {
  RUZI_CLASS_RECORD(TTradeRivalCombox, TSearchCombox::ClassRecord())

 public:
  explicit TTradeRivalCombox(TComponent* owner = nullptr) : TSearchCombox(owner) {}
};

class RUZI_API TTradeFixedCombox : public TSearchCombox {
  RUZI_CLASS_RECORD(TTradeFixedCombox, TSearchCombox::ClassRecord())

 public:
  explicit TTradeFixedCombox(TComponent* owner = nullptr) : TSearchCombox(owner) {}
};

class RUZI_API TFundCombox : public TSearchCombox {
  RUZI_CLASS_RECORD(TFundCombox, TSearchCombox::ClassRecord())

 public:
  explicit TFundCombox(TComponent* owner = nullptr) : TSearchCombox(owner) {}
};

class RUZI_API TStockCodeCombox : public TSearchCombox {
  RUZI_CLASS_RECORD(TStockCodeCombox, TSearchCombox::ClassRecord())

 public:
  explicit TStockCodeCombox(TComponent* owner = nullptr) : TSearchCombox(owner) {}
};

class RUZI_API TGeneralCombox : public TSearchCombox {
  RUZI_CLASS_RECORD(TGeneralCombox, TSearchCombox::ClassRecord())

 public:
  explicit TGeneralCombox(TComponent* owner = nullptr) : TSearchCombox(owner) {}
};

}  // namespace ruzi
