#include "audit_request_packing.h"

#include <lz4.h>

#include <memory>

namespace ruzi::mwd {
namespace {

// Larger than any frame: a row claiming more is damaged, not worth the memory.
constexpr int64_t kMaxPacked = int64_t{1} << 28;

void AuditRequest(sqlite3_context* context, int, sqlite3_value** arguments) {
  const void* blob = sqlite3_value_blob(arguments[0]);
  std::string_view bytes(static_cast<const char*>(blob), static_cast<size_t>(sqlite3_value_bytes(arguments[0])));
  int64_t compressed = sqlite3_value_int64(arguments[1]);
  if (compressed == 0) {
    sqlite3_result_blob(context, bytes.data(), static_cast<int>(bytes.size()), SQLITE_TRANSIENT);
    return;
  }
  std::optional<std::string> request = UnpackRequest(bytes, compressed);
  if (!request) {
    sqlite3_result_error(context, "audit_request: stored request does not expand to its length", -1);
    return;
  }
  sqlite3_result_blob(context, request->data(), static_cast<int>(request->size()), SQLITE_TRANSIENT);
}

// Every call packs its request on its own thread: the stream's table (16 KB) and the output
// are set up once a thread, not cleared and allocated for each request.
struct Compressor {
  Compressor() { LZ4_initStream(&stream, sizeof stream); }
  LZ4_stream_t stream;
  std::string block;
};

Compressor& ThisThreadsCompressor() {
  thread_local std::unique_ptr<Compressor> compressor = std::make_unique<Compressor>();
  return *compressor;
}

}  // namespace

StoredRequest PackRequest(std::string_view request) {
  if (request.size() >= kCompressFrom && static_cast<int64_t>(request.size()) <= kMaxPacked) {
    const int size = static_cast<int>(request.size());
    Compressor& compressor = ThisThreadsCompressor();
    // Worth keeping only within three quarters of the request: a longer block is not written.
    const size_t most = static_cast<size_t>(size) * 3 / 4;
    if (compressor.block.size() < most) compressor.block.resize(most);
    // A reset stream holds no earlier text: the block stands alone, as LZ4_decompress_safe wants.
    LZ4_resetStream_fast(&compressor.stream);
    int written = LZ4_compress_fast_continue(&compressor.stream, request.data(), compressor.block.data(), size,
                                             static_cast<int>(most), 1);
    if (written > 0) return StoredRequest{compressor.block.substr(0, static_cast<size_t>(written)), size};
  }
  return StoredRequest{std::string(request), 0};
}

std::optional<std::string> UnpackRequest(std::string_view bytes, int64_t compressed) {
  if (compressed == 0) return std::string(bytes);
  if (compressed < 0 || compressed > kMaxPacked || bytes.size() > static_cast<size_t>(kMaxPacked)) return std::nullopt;
  std::string request(static_cast<size_t>(compressed), '\0');
  int expanded = LZ4_decompress_safe(bytes.data(), request.data(), static_cast<int>(bytes.size()),
                                     static_cast<int>(request.size()));
  if (expanded != compressed) return std::nullopt;
  return request;
}

void RegisterAuditRequestFunction(sqlite3* db) {
  sqlite3_create_function_v2(db, "audit_request", 2, SQLITE_UTF8 | SQLITE_DETERMINISTIC | SQLITE_INNOCUOUS, nullptr,
                             AuditRequest, nullptr, nullptr, nullptr);
}

}  // namespace ruzi::mwd
