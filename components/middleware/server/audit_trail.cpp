#include "audit_trail.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

namespace ruzi::mwd {
namespace {

constexpr size_t kFullBatch = 512;
constexpr auto kBatchPeriod = std::chrono::milliseconds(5);

}  // namespace

AuditTrail::AuditTrail(Database& database) : database_(database), writer_([this] { Run(); }) {}

AuditTrail::~AuditTrail() {
  {
    std::lock_guard<std::mutex> guard(lock_);
    stopping_ = true;
  }
  wake_.notify_all();
  writer_.join();
}

void AuditTrail::Record(AuditRecord record) {
  bool wake = false;
  {
    std::lock_guard<std::mutex> guard(lock_);
    queue_.push_back(std::move(record));
    ++queued_;
    // The first record starts the writer's batch period; a full batch ends it early.
    wake = queue_.size() == 1 || queue_.size() == kFullBatch;
  }
  if (wake) wake_.notify_one();
}

void AuditTrail::Flush() {
  std::unique_lock<std::mutex> guard(lock_);
  uint64_t target = queued_;
  flush_wanted_ = std::max(flush_wanted_, target);
  wake_.notify_one();
  stored_.wait(guard, [&] { return written_ >= target; });
}

void AuditTrail::Run() {
  std::vector<AuditRecord> batch;
  std::unique_lock<std::mutex> guard(lock_);
  for (;;) {
    wake_.wait(guard, [&] { return stopping_ || !queue_.empty(); });
    wake_.wait_for(guard, kBatchPeriod,
                   [&] { return stopping_ || queue_.size() >= kFullBatch || flush_wanted_ > written_; });
    if (queue_.empty()) {
      if (stopping_) return;
      continue;
    }
    batch.swap(queue_);
    guard.unlock();
    Store(batch);
    size_t count = batch.size();
    batch.clear();
    guard.lock();
    written_ += count;
    stored_.notify_all();
  }
}

void AuditTrail::Store(std::vector<AuditRecord>& batch) {
  try {
    database_.With([&](sqlite3* db) {
      Database::Exec(db, "BEGIN");
      try {
        Statement insert(db,
                         "INSERT INTO mw_audit (at, started_us, ended_us, session, kind, service, number, "
                         "route, buffer_type, request, request_length, status) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
        for (const AuditRecord& r : batch) {
          insert.Bind(1, r.at).Bind(2, r.started_us).Bind(3, r.ended_us).Bind(4, int64_t{r.session});
          insert.Bind(5, r.kind).Bind(6, r.service).Bind(7, int64_t{r.number}).Bind(8, r.route);
          insert.Bind(9, r.buffer_type).BindBlob(10, r.request).Bind(11, r.request_length);
          insert.Bind(12, int64_t{r.status});
          insert.Step();
          insert.Reset();
        }
        Database::Exec(db, "COMMIT");
      } catch (...) {
        Database::Exec(db, "ROLLBACK");
        throw;
      }
    });
  } catch (const std::exception& error) {
    // A lost batch must not stop the server or hang Flush; say so where someone looks.
    std::fprintf(stderr, "ruzi-mwd: audit batch of %zu lost: %s\n", batch.size(), error.what());
  }
}

}  // namespace ruzi::mwd
