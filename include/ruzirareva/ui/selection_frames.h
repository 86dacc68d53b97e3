#pragma once
// The client's selection frames: a caption and a text box for picking one business object (a
// fund, an account group, a stock code...). Here they hold what the skin and the zoom touch:
// Color, Font and the text box's background (TextSettingsBackgroundColor). Each is a custom
// control of its own class, not a frame or a panel, so that the skin tells them apart.
// User-interface thread only.
#include "ruzirareva/export.h"
#include "ruzirareva/ui/graphic_control.h"

namespace ruzi {

// What the fifteen share; never made on its own.
class RUZI_API TSelectionFrame : public TCustomControl {
 public:
  TColor TextSettingsBackgroundColor() const { return text_background_; }
  void SetTextSettingsBackgroundColor(TColor color);
  static const TPropertyTable* FrameTable();

 protected:
  explicit TSelectionFrame(TComponent* owner);
  void Paint() override;

 private:
  TColor text_background_ = clWindow;
};

}  // namespace ruzi

// One selection frame class: its record lists it directly under TCustomControl.
#define RUZI_SELECTION_FRAME(Class)                                                                          \
  namespace ruzi {                                                                                           \
  class RUZI_API Class : public TSelectionFrame {                                                            \
   public:                                                                                                   \
    static const TClassRecord* ClassRecord() {                                                               \
      static const TClassRecord record{#Class, TCustomControl::ClassRecord(), TSelectionFrame::FrameTable()}; \
      return &record;                                                                                        \
    }                                                                                                        \
    const TClassRecord* ClassType() const override { return ClassRecord(); }                                 \
    explicit Class(TComponent* owner = nullptr) : TSelectionFrame(owner) {}                                  \
  };                                                                                                         \
  }

RUZI_SELECTION_FRAME(TfmAccountGroup)
RUZI_SELECTION_FRAME(TfmAsset)
RUZI_SELECTION_FRAME(TfmCombi)
RUZI_SELECTION_FRAME(TfmDictionary)
RUZI_SELECTION_FRAME(TfmEntrustDirection)
RUZI_SELECTION_FRAME(TfmFund)
RUZI_SELECTION_FRAME(TfmMarket)
RUZI_SELECTION_FRAME(TfmOperator)
RUZI_SELECTION_FRAME(TfmQDStockCode)
RUZI_SELECTION_FRAME(TfmSeat)
RUZI_SELECTION_FRAME(TfmStockCode)
RUZI_SELECTION_FRAME(TfmFullStockCode)
RUZI_SELECTION_FRAME(TfmStockHolder)
RUZI_SELECTION_FRAME(TfmStockType)
RUZI_SELECTION_FRAME(TfmTradeRival)

#undef RUZI_SELECTION_FRAME
