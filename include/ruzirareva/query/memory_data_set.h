#pragma once
// A dataset whose records live in memory as rows of GBK texts (a cell is null or a text): the
// base of both query kinds, which fill it from a reply or a database, and a dataset of its own
// for callers that build one. Rows keep their order; each gets a sequence number that its
// bookmark carries, so a bookmark stays valid while its row exists, wherever it moves.
// ReadRecordText reads any record without moving the cursor, which is how the tree reads its
// source. One thread at a time.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/query/data_set.h"
#include "ruzirareva/query/packed_row.h"

namespace ruzi {

class RUZI_API MemoryDataSet : public DataSet {
  RUZI_CLASS_RECORD(MemoryDataSet, DataSet::ClassRecord())

 public:
  using Cell = std::optional<std::string>;
  using Row = std::vector<Cell>;

  explicit MemoryDataSet(TComponent* owner = nullptr);
  ~MemoryDataSet() override;

  // Adds a row at the end without moving the cursor or telling the links (loading); a row
  // shorter than the field list is padded with nulls. An open dataset shows it after Refresh.
  void AddRow(const Row& row);
  // The same for a row packed already (how a query reply arrives).
  void AddRow(PackedRow row);
  // Removes every row; an open dataset is left empty.
  void EmptyDataSet();
  // Rows held, filtered or not.
  int StoredRowCount() const { return static_cast<int>(rows_.size()); }

  // The text of field `field_index` of record `rec_no` (1-based among the records shown),
  // without moving the cursor; nothing when it is null or out of range.
  std::optional<std::string_view> ReadRecordText(int rec_no, int field_index) const;
  // Record `rec_no`'s cells where they lie (1-based among the records shown), for reading
  // several of them; nullptr when out of range. Valid until the rows change.
  const PackedRow* RecordCells(int rec_no) const;
  // Asks for record `rec_no`'s texts ahead of reading them, as a walk over many records does.
  void PrefetchRecord(int rec_no) const;

  int GetRecNo() const override;
  void SetRecNo(int rec_no) override;
  int GetRecordCount() const override;
  bool BookmarkValid(const TBookmark& bookmark) const override;
  int CompareBookmarks(const TBookmark& a, const TBookmark& b) const override;

 protected:
  std::unique_ptr<RecordBuffer> AllocRecordBuffer() override;
  TGetResult GetRecord(RecordBuffer* buffer, TGetMode mode, bool do_check) override;
  void InternalInitRecord(RecordBuffer* buffer) override;
  TBookmark GetBookmarkData(const RecordBuffer* buffer) const override;
  void SetBookmarkData(RecordBuffer* buffer, const TBookmark& bookmark) override;
  TBookmarkFlag GetBookmarkFlag(const RecordBuffer* buffer) const override;
  void SetBookmarkFlag(RecordBuffer* buffer, TBookmarkFlag flag) override;
  std::optional<std::string> GetFieldData(const DataField* field, const RecordBuffer* buffer) const override;
  void SetFieldData(DataField* field, RecordBuffer* buffer, std::optional<std::string> value) override;
  void InternalOpen() override;
  void InternalClose() override;
  bool IsCursorOpen() const override { return cursor_open_; }
  void InternalFirst() override { cursor_ = -1; }
  void InternalLast() override { cursor_ = static_cast<int>(rows_.size()); }
  void InternalGotoBookmark(const TBookmark& bookmark) override;
  void InternalSetToRecord(RecordBuffer* buffer) override;
  void InternalPost() override;
  void InternalDelete() override;

 private:
  struct StoredRow {
    int32_t SeqNo;
    PackedRow Cells;
  };

  // Whether stored row `index` passes the filter (always, without one).
  bool RowVisible(size_t index) const;
  // The stored index of the row with that sequence number; `hint` is its likely index + 1.
  std::optional<size_t> RowOfSeq(int32_t seq_no, int32_t hint) const;
  // The stored index of the rec_no-th shown row.
  std::optional<size_t> ShownRow(int rec_no) const;
  void FillBuffer(RecordBuffer* buffer, size_t index) const;

  std::vector<StoredRow> rows_;
  int32_t next_seq_no_ = 1;
  int cursor_ = -1;  // a stored index, -1 before the first, rows_.size() after the last
  bool cursor_open_ = false;
  std::unique_ptr<RecordBuffer> scratch_;  // a filter test's candidate row
};

}  // namespace ruzi
