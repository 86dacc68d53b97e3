#pragma once
// Every call the server answers is recorded in the table mw_audit. A call only queues its
// record (the calling thread never waits for the disk); one writer thread, woken by the first
// record of a batch, stores the batch a few milliseconds later or as soon as it is full, one
// transaction each. Flush() returns once everything queued before it is stored, so a query made after
// it sees every earlier call.
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "database.h"

namespace ruzi::mwd {

// Longer requests keep only their start (and their full length): a trail that copied every
// 64 KB request to disk would cost more than the call itself.
inline constexpr size_t kAuditRequestBytes = 4096;

struct AuditRecord {
  std::string at;        // local time of arrival, yyyy-mm-dd hh:mm:ss.mmm
  int64_t started_us = 0;  // wall clock, microseconds since 1970
  int64_t ended_us = 0;
  uint32_t session = 0;
  std::string kind;      // "name", "id", "function"
  std::string service;
  int32_t number = 0;
  std::string route;
  std::string buffer_type;
  std::string request;   // the first kAuditRequestBytes bytes of the request
  int64_t request_length = 0;
  int32_t status = 0;    // error number of the answer, 0 for a reply
};

class AuditTrail {
 public:
  explicit AuditTrail(Database& database);
  ~AuditTrail();  // stores what is queued, then stops the writer
  AuditTrail(const AuditTrail&) = delete;
  AuditTrail& operator=(const AuditTrail&) = delete;

  void Record(AuditRecord record);
  void Flush();

 private:
  void Run();
  void Store(std::vector<AuditRecord>& batch);

  Database& database_;
  std::mutex lock_;
  std::condition_variable wake_;
  std::condition_variable stored_;
  std::vector<AuditRecord> queue_;
  uint64_t queued_ = 0;   // records ever queued
  uint64_t written_ = 0;  // records ever stored (or given up on)
  uint64_t flush_wanted_ = 0;  // Flush() waits until written_ reaches this
  bool stopping_ = false;
  std::thread writer_;
};

}  // namespace ruzi::mwd
