// memdata.dll's exports, one argument each (memdata.def keeps the names undecorated).
#include "table_objects.h"
#include "trading/cache/table_rows.h"

namespace {

// Assigns the table object to the caller's interface variable as an interface assignment
// does: the new object referenced, the one the variable held released.
template <typename Interface>
void Assign(Interface** variable, Interface& object) {
  if (variable == nullptr) return;
  object.AddRef();
  Interface* previous = *variable;
  *variable = &object;
  if (previous != nullptr) previous->Release();
}

}  // namespace

using namespace ruzi;
using namespace ruzi::memdata;

extern "C" {

RMarketInfo* MarketInfoA(const char* market_no) { return MarketTable().Find(market_no); }
RFundInfo* FundInfoA(int32_t fund_id) { return FundTable().Find(fund_id); }
ROperatorInfo* OperatorA(int32_t operator_no) { return FindOperator(operator_no); }

void MarketInfo(IMarketInfo** variable) { Assign(variable, MarketTable()); }
void FundInfo(IFundInfo** variable) { Assign(variable, FundTable()); }
void MarketTradeDay(IMarketTradeDay** variable) { Assign(variable, TradeDayTable()); }
void SystemInfo(ISystemInfo** variable) { Assign(variable, SystemTable()); }
void SysParameter(ISysParameter** variable) { Assign(variable, ParameterTable()); }
void MenuRight(IMenuRight** variable) { Assign(variable, MenuRightTable()); }

int32_t RefreshMemData(const char* target_text) { return Cache().Refresh(target_text != nullptr ? target_text : ""); }

}  // extern "C"
