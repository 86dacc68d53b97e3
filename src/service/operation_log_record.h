#pragma once
// One record of the operation log as "svc_syslogop_rc" takes it: a tag text of sixteen items
// in a fixed order, every piece of one operation sharing all but the remarks.
#include <string>
#include <string_view>

namespace ruzi {

struct OperationLogFields {
  std::string operator_no;
  std::string computer_name;
  std::string mac;
  std::string volume_serial;
  std::string time;  // hhnnss of the server's clock
  std::string op_class;
  std::string op_content;
  std::string ip_address;
  std::string menu_code;
  char client_type = '\0';
  std::string check_operator;
  std::string ar_ipport;
  std::string ipv6;
};

// The item names in the order they are sent.
inline constexpr std::string_view kOperationLogKeys[] = {
    "l_operator_no", "vc_computer_name", "vc_mac",        "vc_volserial_no", "l_time",          "vc_remarks",
    "vc_opclass",    "vc_opcontent",     "vc_ipaddress",  "vc_sysname",      "vc_menu_code",    "l_cancel_flag",
    "c_client_type", "l_check_operator", "vc_ar_ipport",  "vc_ipv6"};

// The request for one record with these remarks.
std::string OperationLogRequest(const OperationLogFields& fields, std::string_view remarks);

}  // namespace ruzi
