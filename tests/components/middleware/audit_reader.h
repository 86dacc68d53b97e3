#pragma once
// Reads the server's audit table straight from its database file, beside the server, so
// the tests check what arrived independently of any service of the server.
#include <cstdint>
#include <string>
#include <vector>

namespace ruzi::testing {

struct AuditRow {
  int64_t id = 0;
  int64_t session = 0;
  std::string kind;
  std::string service;
  int64_t number = 0;
  std::string route;
  std::string buffer_type;
  std::string request;  // as it came, expanded when it was stored compressed
  int64_t request_length = 0;
  std::string request_sha256;
  int64_t status = 0;
  int64_t started_us = 0;
  int64_t ended_us = 0;
};

// The rows whose request contains `marker`, in id order; waits (up to 5 s) until there are
// at least `expected` of them, since the server stores its trail in batches.
// The first column of every row `sql` returns (read-only, beside the running server); the SQL
// may read requests with audit_request(request, request_compressed).
std::vector<std::string> Column(const std::string& database, const std::string& sql);
// Runs `sql` on a stopped server's database; "" or the failure.
std::string Execute(const std::string& database, const std::string& sql);
// `bytes` as an SQL blob literal.
std::string SqlBlob(const std::string& bytes);

std::vector<AuditRow> AuditRowsWith(const std::string& database, const std::string& marker, size_t expected);

}  // namespace ruzi::testing
