#include "query/memory_data_set.h"

#include "foundation/error.h"
#include "query/qx_data_routines.h"

namespace ruzi {
namespace {

struct MemoryRecordBuffer : RecordBuffer {
  int32_t SeqNo = 0;
  int32_t RowHint = 0;  // stored index + 1 when filled
  TBookmarkFlag Flag = bfCurrent;
  MemoryDataSet::Row Cells;
};

MemoryRecordBuffer* Mem(RecordBuffer* buffer) { return static_cast<MemoryRecordBuffer*>(buffer); }
const MemoryRecordBuffer* Mem(const RecordBuffer* buffer) { return static_cast<const MemoryRecordBuffer*>(buffer); }

}  // namespace

MemoryDataSet::MemoryDataSet(TComponent* owner) : DataSet(owner), scratch_(std::make_unique<MemoryRecordBuffer>()) {}

MemoryDataSet::~MemoryDataSet() { Close(); }

void MemoryDataSet::AddRow(const Row& row) {
  rows_.push_back(StoredRow{next_seq_no_++, PackedRow(row, static_cast<size_t>(GetFieldDefs().Count()))});
}

void MemoryDataSet::AddRow(PackedRow row) { rows_.push_back(StoredRow{next_seq_no_++, std::move(row)}); }

void MemoryDataSet::EmptyDataSet() {
  if (GetActive()) CheckBrowseMode();
  rows_.clear();
  cursor_ = -1;
  if (GetActive()) First();
}

// ---- reading without the cursor ----------------------------------------------------------------

bool MemoryDataSet::RowVisible(size_t index) const {
  if (!FilterActive()) return true;
  // The filter reads its candidate through the dataset's fields; the scratch buffer is ours
  // alone, so the test changes nothing a caller sees.
  auto* self = const_cast<MemoryDataSet*>(this);
  self->FillBuffer(scratch_.get(), index);
  return self->RecordPassesFilter(scratch_.get());
}

std::optional<size_t> MemoryDataSet::RowOfSeq(int32_t seq_no, int32_t hint) const {
  if (hint >= 1 && static_cast<size_t>(hint) <= rows_.size() && rows_[static_cast<size_t>(hint - 1)].SeqNo == seq_no) {
    return static_cast<size_t>(hint - 1);
  }
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (rows_[i].SeqNo == seq_no) return i;
  }
  return std::nullopt;
}

std::optional<size_t> MemoryDataSet::ShownRow(int rec_no) const {
  if (rec_no < 1) return std::nullopt;
  if (!FilterActive()) {
    if (static_cast<size_t>(rec_no) > rows_.size()) return std::nullopt;
    return static_cast<size_t>(rec_no - 1);
  }
  int seen = 0;
  for (size_t i = 0; i < rows_.size(); ++i) {
    if (RowVisible(i) && ++seen == rec_no) return i;
  }
  return std::nullopt;
}

std::optional<std::string_view> MemoryDataSet::ReadRecordText(int rec_no, int field_index) const {
  const PackedRow* cells = RecordCells(rec_no);
  if (cells == nullptr || field_index < 0) return std::nullopt;
  return cells->CellAt(static_cast<size_t>(field_index));
}

const PackedRow* MemoryDataSet::RecordCells(int rec_no) const {
  const std::optional<size_t> row = ShownRow(rec_no);
  return row ? &rows_[*row].Cells : nullptr;
}

void MemoryDataSet::PrefetchRecord(int rec_no) const {
  if (FilterActive() || rec_no < 1 || static_cast<size_t>(rec_no) > rows_.size()) return;
  const PackedRow& cells = rows_[static_cast<size_t>(rec_no) - 1].Cells;
  // The cell ends and the texts after them: a row of ten short cells spans two lines.
  for (size_t at = 0; at < cells.ByteCount(); at += 64) __builtin_prefetch(cells.Bytes() + at);
}

int MemoryDataSet::GetRecordCount() const {
  if (!GetActive()) return 0;
  if (!FilterActive()) return static_cast<int>(rows_.size());
  int count = 0;
  for (size_t i = 0; i < rows_.size(); ++i) count += RowVisible(i) ? 1 : 0;
  return count;
}

int MemoryDataSet::GetRecNo() const {
  if (!GetActive() || GetState() == dsInsert || WindowRecordCount() == 0) return 0;
  const auto* buffer = Mem(ActiveBuffer());
  const std::optional<size_t> row = RowOfSeq(buffer->SeqNo, buffer->RowHint);
  if (!row) return 0;
  if (!FilterActive()) return static_cast<int>(*row) + 1;
  int rank = 0;
  for (size_t i = 0; i <= *row; ++i) rank += RowVisible(i) ? 1 : 0;
  return rank;
}

void MemoryDataSet::SetRecNo(int rec_no) {
  CheckBrowseMode();
  const std::optional<size_t> row = ShownRow(rec_no);
  if (!row || rec_no == GetRecNo()) return;
  DoBeforeScroll();
  cursor_ = static_cast<int>(*row);
  Resync(rmCenter);
  DoAfterScroll();
}

bool MemoryDataSet::BookmarkValid(const TBookmark& bookmark) const {
  if (bookmark.size() != 20) return false;
  const std::optional<size_t> row = RowOfSeq(BookStrSeqNo(bookmark), BookStrRecNo(bookmark));
  return row && RowVisible(*row);
}

int MemoryDataSet::CompareBookmarks(const TBookmark& a, const TBookmark& b) const {
  if (a.empty() || b.empty()) return DataSet::CompareBookmarks(a, b);
  const auto left = RowOfSeq(BookStrSeqNo(a), BookStrRecNo(a));
  const auto right = RowOfSeq(BookStrSeqNo(b), BookStrRecNo(b));
  const long l = left ? static_cast<long>(*left) : -1;
  const long r = right ? static_cast<long>(*right) : -1;
  return l < r ? -1 : (l > r ? 1 : 0);
}

// ---- record buffers ---------------------------------------------------------------------------

std::unique_ptr<RecordBuffer> MemoryDataSet::AllocRecordBuffer() { return std::make_unique<MemoryRecordBuffer>(); }

void MemoryDataSet::FillBuffer(RecordBuffer* buffer, size_t index) const {
  auto* target = Mem(buffer);
  target->SeqNo = rows_[index].SeqNo;
  target->RowHint = static_cast<int32_t>(index) + 1;
  target->Flag = bfCurrent;
  rows_[index].Cells.Unpack(target->Cells, rows_[index].Cells.Count());
}

TGetResult MemoryDataSet::GetRecord(RecordBuffer* buffer, TGetMode mode, bool) {
  const int count = static_cast<int>(rows_.size());
  switch (mode) {
    case gmCurrent:
      if (cursor_ < 0) return grBOF;
      if (cursor_ >= count) return grEOF;
      if (!RowVisible(static_cast<size_t>(cursor_))) return grError;
      break;
    case gmNext:
      do {
        cursor_ = std::min(cursor_ + 1, count);
      } while (cursor_ < count && !RowVisible(static_cast<size_t>(cursor_)));
      if (cursor_ >= count) return grEOF;
      break;
    case gmPrior:
      do {
        cursor_ = std::max(cursor_ - 1, -1);
      } while (cursor_ >= 0 && !RowVisible(static_cast<size_t>(cursor_)));
      if (cursor_ < 0) return grBOF;
      break;
  }
  FillBuffer(buffer, static_cast<size_t>(cursor_));
  return grOK;
}

void MemoryDataSet::InternalInitRecord(RecordBuffer* buffer) {
  auto* target = Mem(buffer);
  target->SeqNo = 0;
  target->RowHint = 0;
  target->Flag = bfInserted;
  target->Cells.assign(static_cast<size_t>(GetFieldCount()), std::nullopt);
}

TBookmark MemoryDataSet::GetBookmarkData(const RecordBuffer* buffer) const {
  return GetBookStr(Mem(buffer)->RowHint, Mem(buffer)->SeqNo);
}

void MemoryDataSet::SetBookmarkData(RecordBuffer* buffer, const TBookmark& bookmark) {
  Mem(buffer)->SeqNo = BookStrSeqNo(bookmark);
  Mem(buffer)->RowHint = BookStrRecNo(bookmark);
}

TBookmarkFlag MemoryDataSet::GetBookmarkFlag(const RecordBuffer* buffer) const { return Mem(buffer)->Flag; }
void MemoryDataSet::SetBookmarkFlag(RecordBuffer* buffer, TBookmarkFlag flag) { Mem(buffer)->Flag = flag; }

std::optional<std::string> MemoryDataSet::GetFieldData(const DataField* field, const RecordBuffer* buffer) const {
  const Row& cells = Mem(buffer)->Cells;
  const auto index = static_cast<size_t>(field->Index());
  return index < cells.size() ? cells[index] : std::nullopt;
}

void MemoryDataSet::SetFieldData(DataField* field, RecordBuffer* buffer, std::optional<std::string> value) {
  Row& cells = Mem(buffer)->Cells;
  const auto index = static_cast<size_t>(field->Index());
  if (index >= cells.size()) cells.resize(index + 1);
  cells[index] = std::move(value);
}

// ---- cursor steps -------------------------------------------------------------------------------

void MemoryDataSet::InternalOpen() {
  // Every row as wide as the fields: cut or padded with nulls.
  const auto count = static_cast<size_t>(GetFieldDefs().Count());
  Row cells;
  for (StoredRow& row : rows_) {
    if (row.Cells.Count() == count) continue;
    row.Cells.Unpack(cells, count);
    row.Cells = PackedRow(cells, count);
  }
  cursor_ = -1;
  cursor_open_ = true;
}

void MemoryDataSet::InternalClose() {
  cursor_ = -1;
  cursor_open_ = false;
}

void MemoryDataSet::InternalGotoBookmark(const TBookmark& bookmark) {
  const std::optional<size_t> row =
      bookmark.size() == 20 ? RowOfSeq(BookStrSeqNo(bookmark), BookStrRecNo(bookmark)) : std::nullopt;
  if (!row) throw Error("Record not found");
  cursor_ = static_cast<int>(*row);
}

void MemoryDataSet::InternalSetToRecord(RecordBuffer* buffer) {
  const auto* source = Mem(buffer);
  if (const std::optional<size_t> row = RowOfSeq(source->SeqNo, source->RowHint)) cursor_ = static_cast<int>(*row);
}

void MemoryDataSet::InternalPost() {
  auto* buffer = Mem(ActiveBuffer());
  if (GetState() == dsEdit) {
    const std::optional<size_t> row = RowOfSeq(buffer->SeqNo, buffer->RowHint);
    if (!row) throw Error("Record not found");
    rows_[*row].Cells = PackedRow(buffer->Cells, buffer->Cells.size());
    cursor_ = static_cast<int>(*row);
    return;
  }
  // A new record goes before the record it was inserted at, at the start of an empty view, or
  // at the end when appended.
  size_t at = rows_.size();
  if (buffer->Flag == bfBOF) {
    at = 0;
  } else if (buffer->Flag == bfInserted) {
    at = RowOfSeq(buffer->SeqNo, buffer->RowHint).value_or(rows_.size());
  }
  rows_.insert(rows_.begin() + static_cast<long>(at), StoredRow{next_seq_no_++, PackedRow(buffer->Cells, buffer->Cells.size())});
  cursor_ = static_cast<int>(at);
}

void MemoryDataSet::InternalDelete() {
  if (cursor_ < 0 || cursor_ >= static_cast<int>(rows_.size())) throw Error("Record not found");
  rows_.erase(rows_.begin() + cursor_);
}

}  // namespace ruzi
