#include "client_calls.h"

#include <cstring>
#include <stdexcept>
#include <thread>

#include "client_entries.h"
#include "foundation/string_to_number.h"
#include "mw_section_rows.h"

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
  const SectionRows rows = ItemRows(call.reply, "vc_audit");
  if (rows.names.empty()) throw std::runtime_error("no vc_audit in " + call.reply);
  std::vector<AuditEntry> entries;
  for (size_t r = 0; r < rows.rows.size(); ++r) {
    auto at = [&](const char* name) { return rows.Named(r, name); };
    entries.push_back({at("l_session"), at("vc_kind"), at("vc_service"), at("vc_route"), at("vc_buffer_type"),
                       at("vc_request"), StrToInt64(at("l_started_us")), StrToInt64(at("l_ended_us"))});
  }
  return entries;
}

}  // namespace ruzi::testing
