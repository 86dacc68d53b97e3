#pragma once
// Shorthands over the client's entries for the tests: a sign-on record, a text call and
// the server's audit trail read back through the client.
#include <cstdint>
#include <string>
#include <vector>

namespace ruzi::testing {

// tpinit with a TPINIT record from tpalloc; the status.
int32_t SignOn(int32_t flags = 32, const std::string& user = "wsclient", const std::string& password = "");

struct TextCall {
  int32_t status = 0;
  int32_t error_number = 0;
  std::string error_text;
  std::string reply;  // the reply buffer's text
  int32_t reply_length = 0;
};

// tpcall with a STRING request and a STRING reply buffer of `reply_size` bytes.
TextCall CallText(const std::string& service, const std::string& request, int32_t timeout = 30000, int32_t flag = 1,
                  int32_t reply_size = 1024);

struct AuditEntry {
  std::string session;
  std::string kind;
  std::string service;
  std::string route;
  std::string buffer_type;
  std::string request;
  int64_t started_us = 0;  // when the server began and ended the call
  int64_t ended_us = 0;
};

// The server's audit rows whose request holds `marker` (through the service mw_audit, on an
// administrator's context of its own: the caller's sign-on is left as it is).
std::vector<AuditEntry> AuditWith(const std::string& marker);

}  // namespace ruzi::testing
