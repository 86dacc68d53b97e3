// "demo_recpack": a reply in the record-pack text format, as the client's record-pack
// reader expects it: the convention's fields in every row, beside the data.
#include "packets/record_pack_text.h"
#include "server_state.h"
#include "services.h"

namespace ruzi::mwd {
namespace {

ServiceResult Funds(ServiceCall& call) {
  RecordTable table;
  table.fields = {"ErrCode", "ErrMsg", "l_fund_id", "vc_fund_code", "vc_fund_name", "en_total_asset"};
  call.server.database.With([&](sqlite3* db) {
    Statement query(db, "SELECT l_fund_id, vc_fund_code, vc_fund_name, printf('%.2f', en_total_asset) "
                        "FROM tfundinfo ORDER BY l_fund_id");
    while (query.Step()) table.rows.push_back({"0", "", query.Text(0), query.Text(1), query.Text(2), query.Text(3)});
  });
  return ServiceResult::Reply(WriteRecordPackText(table));
}

}  // namespace

void RegisterRecordPackService(ServiceRegistry& registry) { registry.AddName("demo_recpack", Funds); }

}  // namespace ruzi::mwd
