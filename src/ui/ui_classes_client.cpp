// The frames, the client's selection frames and data grids, and the outside controls, by name.
#include "foundation/class_registry.h"
#include "ui/checkable_db_grid.h"
#include "ui/db_grid_eh.h"
#include "ui/dx_db_grid.h"
#include "ui/dx_tree_list.h"
#include "ui/frame.h"
#include "ui/page_guide.h"
#include "ui/qr_label.h"
#include "ui/selection_frames.h"
#include "ui/virtual_string_tree.h"

namespace ruzi {

void RegisterClientClasses() {
  RegisterComponentClass<TFrame>();
  RegisterComponentClass<TFrameHQ>();
  RegisterComponentClass<TfmAccountGroup>();
  RegisterComponentClass<TfmAsset>();
  RegisterComponentClass<TfmCombi>();
  RegisterComponentClass<TfmDictionary>();
  RegisterComponentClass<TfmEntrustDirection>();
  RegisterComponentClass<TfmFund>();
  RegisterComponentClass<TfmMarket>();
  RegisterComponentClass<TfmOperator>();
  RegisterComponentClass<TfmQDStockCode>();
  RegisterComponentClass<TfmSeat>();
  RegisterComponentClass<TfmStockCode>();
  RegisterComponentClass<TfmFullStockCode>();
  RegisterComponentClass<TfmStockHolder>();
  RegisterComponentClass<TfmStockType>();
  RegisterComponentClass<TfmTradeRival>();
  RegisterComponentClass<TDBGridEh>();
  RegisterComponentClass<TCheckableDBGrid>();
  RegisterComponentClass<TdxDBGrid>();
  RegisterComponentClass<TVirtualStringTree>();
  RegisterComponentClass<TdxTreeList>();
  RegisterComponentClass<TPageGuide>();
  RegisterComponentClass<TQRLabel>();
}

}  // namespace ruzi
