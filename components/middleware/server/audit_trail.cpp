#include "audit_trail.h"

#include <algorithm>
#include <cstdio>

#include "audit_request_packing.h"
#include "secret_mask.h"
#include "sha256.h"
#include "thread_priority.h"

namespace ruzi::mwd {
namespace {

constexpr size_t kFullBatch = 512;
constexpr auto kBatchPeriod = std::chrono::milliseconds(5);
constexpr auto kMaintenancePeriod = std::chrono::seconds(1);
constexpr auto kCheckpointPeriod = std::chrono::milliseconds(100);
// Rows removed per slice: small enough that the database lock is held for milliseconds.
constexpr int64_t kPruneSlice = 1000;
constexpr int64_t kMicrosecondsPerDay = 86400LL * 1000 * 1000;

int64_t WallMicroseconds() {
  return std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

// Rows that started before this are older than `days`; 0 days: every row.
int64_t AgeCutoff(uint32_t days) { return WallMicroseconds() - static_cast<int64_t>(days) * kMicrosecondsPerDay; }

// The age limit's cutoff; no limit (0) removes nothing by age.
int64_t LimitCutoff(const AuditLimits& limits) { return limits.keep_days == 0 ? INT64_MIN : AgeCutoff(limits.keep_days); }

// The oldest rows first: those older than the cutoff, or any when `by_size`.
int64_t DeleteOldest(sqlite3* db, int64_t cutoff, bool by_size, int64_t count) {
  if (by_size) {
    // A range of ids: no row is read to be removed (ids follow arrival; a gap only removes fewer).
    Statement remove(db, "DELETE FROM mw_audit WHERE id < (SELECT id FROM mw_audit ORDER BY id LIMIT 1) + ?");
    remove.Bind(1, count).Step();
    return sqlite3_changes(db);
  }
  // Only the `count` oldest rows are looked at: ids follow arrival, so the scan stays short.
  Statement remove(db,
                   "DELETE FROM mw_audit WHERE id IN (SELECT id FROM (SELECT id, started_us FROM mw_audit "
                   "ORDER BY id LIMIT ?) WHERE ? OR started_us < ?)");
  remove.Bind(1, count).Bind(2, int64_t{by_size}).Bind(3, cutoff).Step();
  return sqlite3_changes(db);
}

bool OverLimits(sqlite3* db, const AuditLimits& limits, bool& by_size) {
  by_size = limits.max_database_bytes != 0 && Database::UsedBytes(db) > limits.max_database_bytes;
  if (by_size) return true;
  if (limits.keep_days == 0) return false;
  Statement oldest(db, "SELECT started_us FROM mw_audit ORDER BY id LIMIT 1");
  return oldest.Step() && oldest.Integer(0) < LimitCutoff(limits);
}

}  // namespace

void AuditRecord::SetRequest(std::string_view raw, size_t cap) {
  // Most requests hold no secret: those are packed straight from the frame, never copied whole.
  std::string masked_copy;
  std::string_view masked = raw;
  if (MayHoldSecrets(raw)) {
    masked_copy = MaskSecrets(raw);
    masked = masked_copy;
  }
  request_length = static_cast<int64_t>(masked.size());
  if (masked.size() > cap) {
    request_sha256 = Sha256Hex(masked);
    masked = masked.substr(0, cap);
  }
  StoredRequest stored = PackRequest(masked);
  request = std::move(stored.bytes);
  request_compressed = stored.compressed;
}

size_t AuditRecord::Bytes() const {
  return sizeof(AuditRecord) + at.size() + kind.size() + service.size() + route.size() + buffer_type.size() +
         std::max<size_t>(request.size(), static_cast<size_t>(request_compressed)) + request_sha256.size();
}

AuditTrail::AuditTrail(Database& database, AuditLimits limits)
    : database_(database),
      limits_(limits),
      checkpointer_(database.Path(), kCheckpointPeriod, limits.max_wal_bytes),
      writer_([this] { Run(); }) {
  database_.With([&](sqlite3* db) {
    Database::Exec(db, "PRAGMA journal_size_limit=" + std::to_string(limits_.max_wal_bytes));
    Database::Exec(db, "PRAGMA wal_autocheckpoint=0");  // the checkpointer's work
    checkpointer_.Watch(db);
  });
}

AuditTrail::~AuditTrail() {
  {
    std::lock_guard<std::mutex> guard(lock_);
    stopping_ = true;
  }
  wake_.notify_all();
  writer_.join();
  database_.With([&](sqlite3*) { insert_.reset(); });
}

uint64_t AuditTrail::Record(AuditRecord record) {
  size_t bytes = record.Bytes();
  uint64_t ticket = 0;
  bool wake = false;
  {
    std::unique_lock<std::mutex> guard(lock_);
    // A record larger than the whole queue still goes in alone.
    room_.wait(guard, [&] { return queue_.empty() || queue_bytes_ + bytes <= limits_.queue_bytes; });
    queue_.push_back(std::move(record));
    queue_bytes_ += bytes;
    ticket = ++queued_;
    // The first record starts the writer's batch period; a full batch ends it early. A call
    // waiting for its record has the writer woken for every record.
    wake = limits_.store_before_answer || queue_.size() == 1 || queue_.size() == kFullBatch ||
           queue_bytes_ * 2 >= limits_.queue_bytes;
  }
  if (wake) wake_.notify_one();
  return ticket;
}

void AuditTrail::BeforeAnswer(uint64_t ticket) {
  if (limits_.store_before_answer) WaitStored(ticket);
}

void AuditTrail::WaitStored(uint64_t ticket) {
  std::unique_lock<std::mutex> guard(lock_);
  flush_wanted_ = std::max(flush_wanted_, ticket);
  wake_.notify_one();
  stored_.wait(guard, [&] { return written_ >= ticket; });
}

void AuditTrail::Flush() {
  uint64_t target = 0;
  {
    std::lock_guard<std::mutex> guard(lock_);
    target = queued_;
  }
  WaitStored(target);
}

void AuditTrail::Run() {
  RaiseThisThreadsPriority();
  std::vector<AuditRecord> batch;
  std::unique_lock<std::mutex> guard(lock_);
  for (;;) {
    wake_.wait_for(guard, kMaintenancePeriod, [&] { return stopping_ || !queue_.empty(); });
    if (!queue_.empty()) {
      // Where calls wait for their records there is no batch period: the batch is whatever
      // arrived while the last one was stored.
      wake_.wait_for(guard, kBatchPeriod, [&] {
        return stopping_ || queue_.size() >= kFullBatch || queue_bytes_ * 2 >= limits_.queue_bytes ||
               flush_wanted_ > written_;
      });
      batch.swap(queue_);
      queue_bytes_ = 0;
      room_.notify_all();
      guard.unlock();
      Store(batch);
      size_t count = batch.size();
      batch.clear();
      guard.lock();
      written_ += count;
      stored_.notify_all();
      // After the answers waiting for this batch are let go: only the next batch waits.
      guard.unlock();
      checkpointer_.MakeRoom();
      guard.lock();
    } else if (stopping_) {
      return;
    }
    if (std::chrono::steady_clock::now() - last_maintenance_ >= kMaintenancePeriod) {
      guard.unlock();
      Maintain();
      guard.lock();
    }
  }
}

void AuditTrail::Store(std::vector<AuditRecord>& batch) {
  try {
    database_.With([&](sqlite3* db) {
      if (!insert_) {
        insert_ = std::make_unique<Statement>(
            db,
            "INSERT INTO mw_audit (at, started_us, ended_us, session, kind, service, number, route, buffer_type, "
            "request, request_compressed, request_length, request_sha256, status) "
            "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
      }
      try {
        Database::InTransaction(db, [&] {
          for (const AuditRecord& r : batch) {
            Statement& insert = *insert_;
            // The batch outlives each step: its bytes are bound without copies.
            insert.BindKept(1, r.at).Bind(2, r.started_us).Bind(3, r.ended_us).Bind(4, int64_t{r.session});
            insert.BindKept(5, r.kind).BindKept(6, r.service).Bind(7, int64_t{r.number}).BindKept(8, r.route);
            insert.BindKept(9, r.buffer_type).BindKeptBlob(10, r.request).Bind(11, r.request_compressed);
            insert.Bind(12, r.request_length).BindKept(13, r.request_sha256).Bind(14, int64_t{r.status});
            insert.Step();
            insert.Reset();
          }
          // Over a limit, every batch takes half as many rows again of the oldest with it, so
          // the trail shrinks back even under a load that never pauses; no more, since every
          // page a delete changes is written again to the WAL and copied back by a checkpoint.
          if (over_limit_) {
            bool by_size = limits_.max_database_bytes != 0 && Database::UsedBytes(db) > limits_.max_database_bytes;
            DeleteOldest(db, LimitCutoff(limits_), by_size, static_cast<int64_t>(batch.size() + batch.size() / 2 + 1));
          }
        });
      } catch (...) {
        insert_->Reset();  // a statement left mid-step would hold the write lock
        throw;
      }
    });
  } catch (const std::exception& error) {
    // A lost batch must not stop the server or hang Flush; say so where someone looks.
    std::fprintf(stderr, "ruzi-mwd: audit batch of %zu lost: %s\n", batch.size(), error.what());
  }
}

void AuditTrail::Maintain() {
  last_maintenance_ = std::chrono::steady_clock::now();
  try {
    bool by_size = false;
    over_limit_ = database_.With([&](sqlite3* db) { return OverLimits(db, limits_, by_size); });
    if (over_limit_) {
      database_.With([&](sqlite3* db) { DeleteOldest(db, LimitCutoff(limits_), by_size, kPruneSlice); });
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "ruzi-mwd: audit maintenance failed: %s\n", error.what());
  }
}

int64_t AuditTrail::Prune(uint32_t days, uint64_t max_database_bytes) {
  Flush();
  int64_t removed = 0;
  for (;;) {
    int64_t slice = database_.With([&](sqlite3* db) {
      bool by_size = max_database_bytes != 0 && Database::UsedBytes(db) > max_database_bytes;
      return DeleteOldest(db, AgeCutoff(days), by_size, kPruneSlice);
    });
    removed += slice;
    if (slice < kPruneSlice) return removed;
  }
}

}  // namespace ruzi::mwd
