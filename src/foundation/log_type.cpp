#include "foundation/log_type.h"

namespace ruzi {
namespace {

constexpr std::string_view kNames[kLogTypeCount] = {
    "ltNormal", "ltpbrc", "ltAccountMgnt", "ltAlgoOrder", "ltAutoUpdate", "ltapproveflowmanage", "ltarbitrage",
    "ltAutoRiskMgnt", "ltBasicInfo", "ltCDNUpdate", "ltEntRealDealExport", "ltEntrustApprove", "ltEntrustMgnt",
    "ltetriskmgnt", "ltfaceres", "ltFinancialMgnt", "ltfixincometrade", "ltfundclient", "ltFundSplitMerge",
    "ltfundsplitmergeinstr", "ltfundtrade", "ltFutureFreeTrade", "ltFutureInstr", "ltfuturestock", "ltGroupInfo",
    "ltGuardianProc", "lthkexercise", "ltHKStockTrade", "lthqh5api", "ltInstrDispense", "ltInstrMgnt",
    "ltInstrTrade", "ltIpoTrade", "ltLightStrategy", "ltLofInstr", "ltMarginTrade", "ltMemData", "ltmixtrade",
    "ltMsgClient", "ltNetTest", "ltOfflineTrade", "ltOptionFreeTrade", "ltOptionMargin", "ltOutBankTrade",
    "ltoutfundinstr", "ltoutfundtrade", "ltPubFunModel", "ltRecycleElf", "ltriskmgnt", "ltShareTransferTrade",
    "ltSpecial", "ltStockTrade", "StockTradeInstr", "ltStockTradeNew", "ltStrategy", "ltSysMgnt", "ltSysReport",
    "ltTempletMgnt", "ltThreadPoolDLL", "ltPublic", "ltRCPublic"};

}  // namespace

std::string_view LogTypeName(TLogType type) {
  return type < kLogTypeCount ? kNames[type] : std::string_view();
}

std::string CommandToString(TLogType type) {
  const std::string_view name = LogTypeName(type);
  return std::string(name.substr(name.size() < 2 ? name.size() : 2));
}

}  // namespace ruzi
