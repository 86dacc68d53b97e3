#pragma once
// The table objects memdata.dll hands out: one per table for the life of the process, over
// the one cache. Every method first makes sure its table is loaded. Reference counts are
// kept for the callers' sake; the objects themselves are never freed by a Release.
#include "trading/cache/memtable.h"
#include "trading/cache/reference_cache.h"

namespace ruzi::memdata {

// The process's cache, loading through wtuxws32.dll.
ReferenceCache& Cache();

IMarketInfo& MarketTable();
IFundInfo& FundTable();
ISystemInfo& SystemTable();
ISysParameter& ParameterTable();
IMenuRight& MenuRightTable();
IMarketTradeDay& TradeDayTable();
// OperatorA's records (the operator table has no interface export).
ROperatorInfo* FindOperator(int32_t operator_no);

}  // namespace ruzi::memdata
