#pragma once
// Every call the server answers is recorded in the table mw_audit. A call queues its record;
// one writer thread, woken by the first record of a batch, stores the batch a few milliseconds
// later or as soon as it is full, one transaction each, through one prepared statement. With
// `store_before_answer` a call's answer waits until its record is stored (group commit): the
// writer then takes everything queued at once, so the records that arrive while one batch is
// stored make up the next, and a server killed at any moment has stored the row of every call
// it answered. The queue is bounded in bytes: a call whose record finds it full waits for the
// writer (back-pressure), so under any load memory stays bounded and no record is dropped.
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "database.h"
#include "wal_checkpointer.h"

namespace ruzi::mwd {

struct AuditLimits {
  size_t request_bytes = 64 * 1024;         // a longer request keeps its start, length and SHA-256
  size_t queue_bytes = 2u * 1024u * 1024u;  // records waiting for the writer
  uint32_t keep_days = 30;                  // 0: no age limit
  uint64_t max_database_bytes = 1024ull * 1024 * 1024;  // 0: no size limit
  uint64_t max_wal_bytes = 64ull * 1024 * 1024;
  bool store_before_answer = false;  // answers wait for their rows (--audit-before-answer)
};

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
  std::string request;   // masked; at most AuditLimits::request_bytes of it, packed (audit_request_packing.h)
  int64_t request_compressed = 0;  // 0: `request` as it came; else its length before compression
  int64_t request_length = 0;  // of the whole masked request
  std::string request_sha256;  // of the whole masked request, when it was cut; else empty
  int32_t status = 0;    // error number of the answer, 0 for a reply

  // Masks the secrets of `request`, then keeps it whole or its start and digest, packed.
  void SetRequest(std::string_view raw, size_t cap);
  // What the record holds in memory, its request counted as it came: the queue's bound in
  // bytes then keeps the same rows waiting however well they compress, and so the same loss
  // window.
  size_t Bytes() const;
};

class AuditTrail {
 public:
  AuditTrail(Database& database, AuditLimits limits);
  ~AuditTrail();  // stores what is queued, then stops the writer
  AuditTrail(const AuditTrail&) = delete;
  AuditTrail& operator=(const AuditTrail&) = delete;

  // Waits while the queue is full; the record's ticket for BeforeAnswer.
  uint64_t Record(AuditRecord record);
  // Called before the answer of the call whose record has `ticket` is sent: with
  // `store_before_answer`, returns once that record (and every one before it) is stored or
  // given up on; else at once.
  void BeforeAnswer(uint64_t ticket);
  void Flush();
  const AuditLimits& Limits() const { return limits_; }
  // Removes rows older than `days` (0: every row stored so far) and rows beyond `max_database_bytes`,
  // a slice at a time; the number of rows removed.
  int64_t Prune(uint32_t days, uint64_t max_database_bytes);

 private:
  void Run();
  void WaitStored(uint64_t ticket);
  void Store(std::vector<AuditRecord>& batch);
  // The periodic look at the limits: prunes a slice when over them (the WAL is the checkpointer's).
  void Maintain();

  Database& database_;
  const AuditLimits limits_;
  std::unique_ptr<Statement> insert_;  // the writer's, used under the database lock
  std::mutex lock_;
  std::condition_variable wake_;
  std::condition_variable stored_;
  std::condition_variable room_;
  std::vector<AuditRecord> queue_;
  size_t queue_bytes_ = 0;
  uint64_t queued_ = 0;   // records ever queued
  uint64_t written_ = 0;  // records ever stored (or given up on)
  uint64_t flush_wanted_ = 0;  // Flush() waits until written_ reaches this
  bool stopping_ = false;
  bool over_limit_ = false;  // writer only: each batch also prunes a slice
  std::chrono::steady_clock::time_point last_maintenance_{};
  WalCheckpointer checkpointer_;
  std::thread writer_;
};

}  // namespace ruzi::mwd
