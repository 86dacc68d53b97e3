#pragma once
// The items of an operation-log record, kept as columns of tsyslog beside the raw request.
#include <sqlite3.h>

#include <string_view>

namespace ruzi::mwd {

inline constexpr std::string_view kOperationLogColumns[] = {
    "l_operator_no", "vc_computer_name", "vc_mac",       "vc_volserial_no", "l_time",       "vc_remarks",
    "vc_opclass",    "vc_opcontent",     "vc_ipaddress", "vc_sysname",      "vc_menu_code", "l_cancel_flag",
    "c_client_type", "l_check_operator", "vc_ar_ipport", "vc_ipv6"};

// Adds the columns a database made before them lacks (texts, "" in the old rows).
void AddOperationLogColumnsIfMissing(sqlite3* db);

}  // namespace ruzi::mwd
