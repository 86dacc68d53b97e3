// One operation-log record as sent: sixteen items in the server's order, each value where the
// server looks for it, the fixed ones fixed.
#include <gtest/gtest.h>

#include "packets/tagged_package.h"
#include "service/operation_log.h"
#include "service/operation_log_record.h"

namespace ruzi {
namespace {

TEST(OperationLogRecord, SixteenItemsInOrderWithTheirValues) {
  OperationLogFields fields;
  fields.operator_no = "12";
  fields.computer_name = "PC-01";
  fields.mac = "00-1A-2B-3C-4D-5E";
  fields.volume_serial = "1234-ABCD";
  fields.time = "093000";
  fields.op_class = OpLogClassText(OPLOG_QUERY);
  fields.op_content = "查询持仓";
  fields.ip_address = "10.1.2.3";
  fields.menu_code = "M0101";
  fields.client_type = '2';
  fields.check_operator = "34";
  fields.ar_ipport = "10.0.0.9:8001";
  fields.ipv6 = "2001:db8::1";
  const std::pair<const char*, const char*> expected[] = {
      {"l_operator_no", "12"},       {"vc_computer_name", "PC-01"}, {"vc_mac", "00-1A-2B-3C-4D-5E"},
      {"vc_volserial_no", "1234-ABCD"}, {"l_time", "093000"},      {"vc_remarks", "备注 remarks"},
      {"vc_opclass", "查询"},         {"vc_opcontent", "查询持仓"},  {"vc_ipaddress", "10.1.2.3"},
      {"vc_sysname", "ZazaveVeruva"}, {"vc_menu_code", "M0101"},    {"l_cancel_flag", "0"},
      {"c_client_type", "2"},         {"l_check_operator", "34"},   {"vc_ar_ipport", "10.0.0.9:8001"},
      {"vc_ipv6", "2001:db8::1"}};
  TqxPackage sent(OperationLogRequest(fields, "备注 remarks"));
  ASSERT_EQ(sent.Count(), 16);
  for (int32_t i = 0; i < sent.Count(); ++i) {
    std::string name, value;
    sent.GetItemName(i, name);
    sent.GetItemValue(i, value);
    EXPECT_EQ(name, expected[i].first) << "item " << i;
    EXPECT_EQ(value, expected[i].second) << name;
  }
  fields.client_type = '\0';
  std::string client_type = "unset";
  TqxPackage(OperationLogRequest(fields, "")).GetItem("c_client_type", client_type);
  EXPECT_EQ(client_type, "") << "client type 0 sends an empty value";
}

TEST(OperationLogRecord, ClassTexts) {
  const std::pair<TOpLog, const char*> classes[] = {
      {OPLOG_NULL, ""},           {OPLOG_LOGIN, "登录日志"},   {OPLOG_MENU, "菜单操作"},
      {OPLOG_SYSMANAGER, "系统管理"}, {OPLOG_FINANCE, "财务操作"}, {OPLOG_SYSINFO, "基础数据维护"},
      {OPLOG_ENDDEAL, "流程操作"},  {OPLOG_QUERY, "查询"},       {OPLOG_PRINT, "打印"},
      {OPLOG_EXPORT, "导出"},       {OPLOG_NEWTRADE, "新版自动交易"}, {OPLOG_OFFLINEIMPORT, "离线交易导入"},
      {static_cast<TOpLog>(12), ""}, {static_cast<TOpLog>(255), ""}};
  for (const auto& [op_class, text] : classes) EXPECT_EQ(OpLogClassText(op_class), text) << int{op_class};
  EXPECT_EQ(int{OPLOG_OFFLINEIMPORT}, 11);
}

}  // namespace
}  // namespace ruzi
