#include "client_calls.h"

#include <cstring>
#include <stdexcept>
#include <thread>

#include "client_entries.h"
#include "packets/tagged_package.h"
#include "foundation/string_to_number.h"
#include "packets/unpack.h"

namespace ruzi::testing {

int32_t SignOn(int32_t flags, const std::string& user, const std::string& password) {
  const ClientEntries& c = Client();
  char* record = c.tpalloc("TPINIT", nullptr, 256);
  if (record == nullptr) return -1;
  std::strncpy(record, user.c_str(), 31);
  std::strncpy(record + 32, "127.0.0.1", 31);
  std::strncpy(record + 64, password.c_str(), 31);
  std::memcpy(record + 128, &flags, sizeof flags);
  int32_t status = c.tpinit(record);
  c.tpfree(record);
  return status;
}

TextCall CallText(const std::string& service, const std::string& request, int32_t timeout, int32_t flag,
                  int32_t reply_size) {
  const ClientEntries& c = Client();
  char* in = c.tpalloc("STRING", nullptr, static_cast<int32_t>(request.size() + 1));
  char* out = c.tpalloc("STRING", nullptr, reply_size);
  std::memcpy(in, request.c_str(), request.size() + 1);
  TextCall call;
  call.status = c.tpcall(service.c_str(), in, static_cast<int32_t>(request.size() + 1), &out, &call.reply_length, 0,
                         timeout, flag);
  call.error_number = c.gettperrno();
  if (call.status < 0) call.error_text = c.tpstrerror(call.error_number);
  call.reply = out;
  c.tpfree(in);
  c.tpfree(out);
  return call;
}

std::vector<AuditEntry> AuditWith(const std::string& marker) {
  // An administrator's context on a thread of its own, beside whatever the test signed on.
  TextCall call;
  int32_t signed_on = -1;
  std::thread reader([&] {
    signed_on = SignOn(32, "audit-reader", RUZI_MWD_TEST_ADMIN_PASSWORD);
    if (signed_on == 0) call = CallText("mw_audit", "<vc_marker>" + marker + "</vc_marker>");
    Client().tpterm();
  });
  reader.join();
  if (signed_on != 0) throw std::runtime_error("administrator sign-on for mw_audit failed");
  if (call.status != 0) throw std::runtime_error("mw_audit failed: " + call.error_text);
  TqxPackage reply(call.reply);
  std::string packet;
  if (!reply.GetItem("vc_audit", packet)) throw std::runtime_error("no vc_audit in " + call.reply);
  TUnpack unpack(true);
  unpack.Open(packet.data(), static_cast<int32_t>(packet.size()));
  TUnpackSection& rows = unpack.GetSection(0);
  std::vector<AuditEntry> entries;
  for (rows.First(); !rows.Eof(); rows.Next()) {
    entries.push_back({rows.FieldByName("l_session").GetAsString(), rows.FieldByName("vc_kind").GetAsString(),
                       rows.FieldByName("vc_service").GetAsString(), rows.FieldByName("vc_route").GetAsString(),
                       rows.FieldByName("vc_buffer_type").GetAsString(), rows.FieldByName("vc_request").GetAsString(),
                       StrToInt64(rows.FieldByName("l_started_us").GetAsString()),
                       StrToInt64(rows.FieldByName("l_ended_us").GetAsString())});
  }
  return entries;
}

}  // namespace ruzi::testing
