#pragma once
// How an audit row keeps its request. Storing the rows is what limits the calls a second under
// load (each byte is copied into the row, its page, the WAL and again into the database), so a
// long request is kept LZ4-compressed when that saves a quarter or more; a short one, or one
// that does not shrink, is kept as it is. LZ4 rather than deflate: under load the calls pay for
// the compression, and deflate spent more time on a 4 KB request than storing the bytes it
// saved. The column request_compressed says which: 0, `request` holds the bytes; otherwise it
// holds an LZ4 block and this is how many bytes it expands to.
//
// Readers go through the SQL function audit_request(request, request_compressed), registered on
// every connection the server opens (RegisterAuditRequestFunction), which gives the bytes back
// either way: search with instr(audit_request(request, request_compressed), ?).
#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ruzi::mwd {

struct StoredRequest {
  std::string bytes;
  int64_t compressed = 0;  // 0: `bytes` is the request; else the request's length, `bytes` its LZ4 block
};

// Shorter requests are not worth the work.
inline constexpr size_t kCompressFrom = 512;

StoredRequest PackRequest(std::string_view request);
// The request back; nothing when `bytes` does not expand to exactly `compressed` bytes.
std::optional<std::string> UnpackRequest(std::string_view bytes, int64_t compressed);

// audit_request(request, request_compressed): the request's bytes as a blob (an error for a
// stored request that does not expand as its row says).
void RegisterAuditRequestFunction(sqlite3* db);

}  // namespace ruzi::mwd
