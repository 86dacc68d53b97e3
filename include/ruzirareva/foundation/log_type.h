#pragma once
// TLogType: the program area a log line is tagged with. The names are part of the interface
// (CommandToString prints them), so they keep their original spelling, prefix and all. Constants
// and pure functions: any thread may call them.
#include <cstdint>
#include <string>
#include <string_view>

#include "ruzirareva/export.h"

namespace ruzi {

enum TLogType : uint8_t {
  ltNormal, ltpbrc, ltAccountMgnt, ltAlgoOrder, ltAutoUpdate, ltapproveflowmanage, ltarbitrage,
  ltAutoRiskMgnt, ltBasicInfo, ltCDNUpdate, ltEntRealDealExport, ltEntrustApprove, ltEntrustMgnt,
  ltetriskmgnt, ltfaceres, ltFinancialMgnt, ltfixincometrade, ltfundclient, ltFundSplitMerge,
  ltfundsplitmergeinstr, ltfundtrade, ltFutureFreeTrade, ltFutureInstr, ltfuturestock, ltGroupInfo,
  ltGuardianProc, lthkexercise, ltHKStockTrade, lthqh5api, ltInstrDispense, ltInstrMgnt, ltInstrTrade,
  ltIpoTrade, ltLightStrategy, ltLofInstr, ltMarginTrade, ltMemData, ltmixtrade, ltMsgClient, ltNetTest,
  ltOfflineTrade, ltOptionFreeTrade, ltOptionMargin, ltOutBankTrade, ltoutfundinstr, ltoutfundtrade,
  ltPubFunModel, ltRecycleElf, ltriskmgnt, ltShareTransferTrade, ltSpecial, ltStockTrade,
  StockTradeInstr, ltStockTradeNew, ltStrategy, ltSysMgnt, ltSysReport, ltTempletMgnt, ltThreadPoolDLL,
  ltPublic, ltRCPublic
};

inline constexpr int kLogTypeCount = 61;

// The enumeration name as written above; "" for a value outside the range.
RUZI_API std::string_view LogTypeName(TLogType type);
// The name with its first two characters deleted ("AlgoOrder" for ltAlgoOrder).
RUZI_API std::string CommandToString(TLogType type);

}  // namespace ruzi
