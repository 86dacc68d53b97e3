#include "service/operation_log_record.h"

#include "packets/tagged_package.h"

namespace ruzi {

std::string OperationLogRequest(const OperationLogFields& fields, std::string_view remarks) {
  const std::string client_type = fields.client_type == '\0' ? "" : std::string(1, fields.client_type);
  const std::string_view values[] = {
      fields.operator_no, fields.computer_name, fields.mac,        fields.volume_serial,  fields.time,
      remarks,            fields.op_class,      fields.op_content, fields.ip_address,     "ZazaveVeruva",
      fields.menu_code,   "0",                  client_type,       fields.check_operator, fields.ar_ipport,
      fields.ipv6};
  static_assert(std::size(values) == std::size(kOperationLogKeys));
  TqxPackage package;
  for (size_t i = 0; i < std::size(values); ++i) package.Add(kOperationLogKeys[i], values[i]);
  return package.GetText();
}

}  // namespace ruzi
