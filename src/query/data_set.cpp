#include "query/data_set.h"

#include <algorithm>

#include "foundation/error.h"
#include "query/list_index_error.h"
#include "platform/ascii_case.h"
#include "query/data_source.h"
#include "query/field_value_match.h"
#include "query/qx_expr_parser.h"
#include "query/qx_filter_eval.h"
#include "query/qx_data_routines.h"

namespace ruzi {
namespace {

const char kDataSetClosed[] = "Cannot perform this operation on a closed dataset";
const char kNotEditing[] = "Dataset not in edit or insert mode";
const char kRecordNotFound[] = "Record not found";
const char kDataSetEmpty[] = "Cannot perform this operation on an empty dataset";
const char kReadOnly[] = "Cannot modify a read-only dataset";

// A filter test reads its candidate record in dsFilter, then the state is back as it was.
class ScopedState {
 public:
  ScopedState(TDataSetState& state, TDataSetState temporary) : state_(state), saved_(state) { state_ = temporary; }
  ~ScopedState() { state_ = saved_; }

 private:
  TDataSetState& state_;
  TDataSetState saved_;
};

}  // namespace

DataSet::DataSet(TComponent* owner) : TComponent(owner) {}

DataSet::~DataSet() {
  // The concrete dataset is gone already (it closes itself): nothing here may reach its hooks.
  state_ = dsInactive;
  while (!sources_.empty()) sources_.back()->SetDataSet(nullptr);
}

// ---- opening and closing --------------------------------------------------------------------

void DataSet::Open() { SetActive(true); }
void DataSet::Close() { SetActive(false); }

void DataSet::SetActive(bool active) {
  if (active == GetActive()) return;
  if (active) {
    Fire(BeforeOpen);
    state_ = dsOpening;
    try {
      InternalOpen();
      if (field_defs_.Count() == 0) InternalInitFieldDefs();
      CreateFields();
      ParseFilter();
      AllocateBuffers(0);
      ClearBuffers();
      InternalFirst();
      GetNextRecords();
      bof_ = true;
      eof_ = window_count_ == 0;
    } catch (...) {
      state_ = dsInactive;
      if (IsCursorOpen()) InternalClose();
      buffers_.clear();
      fields_.clear();
      parsed_filter_.reset();
      throw;
    }
    state_ = dsInactive;
    SetState(dsBrowse);
    Fire(AfterOpen);
  } else {
    Fire(BeforeClose);
    SetState(dsInactive);
    InternalClose();
    buffers_.clear();
    buffer_count_ = 0;
    window_count_ = active_record_ = 0;
    current_record_ = -1;
    bof_ = eof_ = true;
    fields_.clear();
    parsed_filter_.reset();
    Fire(AfterClose);
  }
}

void DataSet::CreateFields() {
  fields_.clear();
  for (int i = 0; i < field_defs_.Count(); ++i) {
    const FieldDef& def = field_defs_.Items(i);
    fields_.push_back(std::make_unique<DataField>(this, def.Name, def.DataType, def.Size, i));
    fields_.back()->SetRequired(def.Required);
  }
}

void DataSet::CheckActive() const {
  if (!GetActive()) throw Error(kDataSetClosed);
}

void DataSet::CheckEditing() const {
  if (state_ != dsEdit && state_ != dsInsert) throw Error(kNotEditing);
}

void DataSet::SetState(TDataSetState state) {
  if (state_ == state) return;
  state_ = state;
  modified_ = false;
  DataEvent(deUpdateState, 0);
}

// ---- notices to the links ---------------------------------------------------------------------

void DataSet::DataEvent(TDataEvent event, intptr_t info) {
  if (ControlsDisabled() || block_read_size_ > 0) {
    // What the links missed is told as one change when they listen again.
    pending_change_ = true;
    return;
  }
  for (DataSource* source : std::vector<DataSource*>(sources_)) source->DataEvent(event, info);
}

void DataSet::DisableControls() { ++disable_count_; }

void DataSet::EnableControls() {
  if (disable_count_ == 0 || --disable_count_ > 0) return;
  if (!pending_change_) return;
  pending_change_ = false;
  DataEvent(deUpdateState, 0);
  if (GetActive()) DataEvent(deDataSetChange, 0);
}

void DataSet::SetBlockReadSize(int size) {
  const bool was_reading = block_read_size_ > 0;
  block_read_size_ = std::max(0, size);
  if (was_reading && block_read_size_ == 0 && pending_change_ && !ControlsDisabled()) {
    pending_change_ = false;
    DataEvent(deUpdateState, 0);
    if (GetActive()) DataEvent(deDataSetChange, 0);
  }
}

void DataSet::AddDataSource(DataSource* source) {
  sources_.push_back(source);
  UpdateBufferCount();
}

void DataSet::RemoveDataSource(DataSource* source) {
  sources_.erase(std::remove(sources_.begin(), sources_.end(), source), sources_.end());
  UpdateBufferCount();
}

void DataSet::UpdateBufferCount() {
  if (!GetActive()) return;
  int wanted = 1;
  for (DataSource* source : sources_) wanted = std::max(wanted, source->MaxBufferCount());
  if (wanted == buffer_count_) return;
  CheckBrowseMode();
  // The source cursor marks the active record while the slots are reallocated.
  UpdateCursorPos();
  const bool empty = window_count_ == 0;
  AllocateBuffers(wanted);
  if (empty) {
    ClearBuffers();
    InternalFirst();
    GetNextRecords();
    DataEvent(deDataSetChange, 0);
  } else {
    Resync(0);
  }
}

// ---- the window of record buffers ------------------------------------------------------------

void DataSet::AllocateBuffers(int count) {
  if (count == 0) {
    count = 1;
    for (DataSource* source : sources_) count = std::max(count, source->MaxBufferCount());
  }
  buffers_.resize(static_cast<size_t>(count) + 1);
  for (auto& buffer : buffers_) {
    if (!buffer) buffer = AllocRecordBuffer();
  }
  buffer_count_ = count;
  window_count_ = std::min(window_count_, count);
  active_record_ = std::min(active_record_, std::max(0, window_count_ - 1));
  current_record_ = -1;
}

void DataSet::ClearBuffers() {
  window_count_ = 0;
  active_record_ = 0;
  current_record_ = -1;
  bof_ = eof_ = true;
}

void DataSet::ActivateBuffers() {
  window_count_ = 1;
  active_record_ = 0;
  current_record_ = 0;
  bof_ = eof_ = false;
}

RecordBuffer* DataSet::ActiveBuffer() const {
  if (buffers_.empty()) return nullptr;
  return buffers_[static_cast<size_t>(active_record_)].get();
}

void DataSet::SetActiveRecordIndex(int index) {
  if (index >= 0 && index < window_count_) active_record_ = index;
}

void DataSet::MoveBuffer(int from, int to) {
  if (from == to) return;
  auto moving = std::move(buffers_[static_cast<size_t>(from)]);
  buffers_.erase(buffers_.begin() + from);
  buffers_.insert(buffers_.begin() + to, std::move(moving));
}

void DataSet::SetCurrentRecord(int index) {
  if (current_record_ == index) return;
  RecordBuffer* buffer = buffers_[static_cast<size_t>(index)].get();
  switch (GetBookmarkFlag(buffer)) {
    case bfCurrent:
    case bfInserted: InternalSetToRecord(buffer); break;
    case bfBOF: InternalFirst(); break;
    case bfEOF: InternalLast(); break;
  }
  current_record_ = index;
}

void DataSet::UpdateCursorPos() {
  if (window_count_ == 0) return;
  current_record_ = -1;
  SetCurrentRecord(active_record_);
}

// Fetches the record after the window's last into the window; a full window drops its first.
bool DataSet::GetNextRecord() {
  TGetMode mode = gmNext;
  if (window_count_ > 0) {
    SetCurrentRecord(window_count_ - 1);
    // The source cursor of a record being inserted stands on the record it goes before.
    if (state_ == dsInsert && current_record_ == active_record_ && GetBookmarkFlag(ActiveBuffer()) == bfInserted) {
      mode = gmCurrent;
    }
  }
  const bool ok = GetRecord(buffers_[static_cast<size_t>(window_count_)].get(), mode, true) == grOK;
  if (!ok) {
    CursorPosChanged();
    return false;
  }
  if (window_count_ == 0) {
    ActivateBuffers();
  } else if (window_count_ < buffer_count_) {
    ++window_count_;
  } else {
    MoveBuffer(0, window_count_);
  }
  current_record_ = window_count_ - 1;
  return true;
}

// Fetches the record before the window's first into slot 0. The active slot keeps its record
// while the window grows; a full window drops its last record and the active slot moves onto
// the record before.
bool DataSet::GetPriorRecord() {
  if (window_count_ > 0) SetCurrentRecord(0);
  const bool ok = GetRecord(buffers_[static_cast<size_t>(window_count_)].get(), gmPrior, true) == grOK;
  if (!ok) {
    CursorPosChanged();
    return false;
  }
  if (window_count_ == 0) {
    ActivateBuffers();
  } else {
    MoveBuffer(window_count_, 0);
    if (window_count_ < buffer_count_) {
      ++window_count_;
      ++active_record_;
    }
  }
  current_record_ = 0;
  return true;
}

int DataSet::GetNextRecords() {
  int count = 0;
  while (window_count_ < buffer_count_ && GetNextRecord()) ++count;
  return count;
}

int DataSet::GetPriorRecords() {
  int count = 0;
  while (window_count_ < buffer_count_ && GetPriorRecord()) ++count;
  return count;
}

void DataSet::Resync(unsigned mode) {
  CheckActive();
  RecordBuffer* spare = buffers_[static_cast<size_t>(window_count_)].get();
  if ((mode & rmExact) != 0) {
    CursorPosChanged();
    if (GetRecord(spare, gmCurrent, true) != grOK) throw Error(kRecordNotFound);
  } else if (GetRecord(spare, gmCurrent, false) != grOK && GetRecord(spare, gmNext, false) != grOK &&
             GetRecord(spare, gmPrior, false) != grOK) {
    ClearBuffers();
    DataEvent(deDataSetChange, 0);
    return;
  }
  int before = (mode & rmCenter) != 0 ? (buffer_count_ - 1) / 2 : active_record_;
  MoveBuffer(window_count_, 0);
  ActivateBuffers();
  while (before > 0 && GetPriorRecord()) --before;
  GetNextRecords();
  GetPriorRecords();
  DataEvent(deDataSetChange, 0);
}

void DataSet::Refresh() {
  CheckBrowseMode();
  UpdateCursorPos();
  Fire(BeforeRefresh);
  InternalRefresh();
  Resync(0);
  Fire(AfterRefresh);
}

// ---- navigation -----------------------------------------------------------------------------

void DataSet::First() {
  CheckBrowseMode();
  Fire(BeforeScroll);
  ClearBuffers();
  InternalFirst();
  GetNextRecords();
  bof_ = true;
  DataEvent(deDataSetChange, 0);
  Fire(AfterScroll);
}

void DataSet::Last() {
  CheckBrowseMode();
  Fire(BeforeScroll);
  ClearBuffers();
  InternalLast();
  GetPriorRecords();
  eof_ = true;
  DataEvent(deDataSetChange, 0);
  Fire(AfterScroll);
}

int DataSet::MoveBy(int distance) {
  CheckBrowseMode();
  int moved = 0;
  Fire(BeforeScroll);
  if ((distance > 0 && !eof_) || (distance < 0 && !bof_)) {
    bof_ = eof_ = false;
    const int old_count = window_count_;
    int scrolled = 0;
    for (; distance > 0; --distance, ++moved) {
      if (active_record_ < window_count_ - 1) {
        ++active_record_;
        continue;
      }
      const bool full = window_count_ == buffer_count_;
      if (!GetNextRecord()) {
        eof_ = true;
        break;
      }
      if (full) {
        --scrolled;
      } else {
        ++active_record_;
      }
    }
    for (; distance < 0; ++distance, --moved) {
      if (active_record_ > 0) {
        --active_record_;
        continue;
      }
      const bool full = window_count_ == buffer_count_;
      if (!GetPriorRecord()) {
        bof_ = true;
        break;
      }
      if (full) {
        ++scrolled;
      } else {
        --active_record_;
      }
    }
    if (window_count_ != old_count) {
      DataEvent(deDataSetChange, 0);
    } else {
      DataEvent(deDataSetScroll, scrolled);
    }
  }
  Fire(AfterScroll);
  return moved;
}

// ---- bookmarks ------------------------------------------------------------------------------

TBookmark DataSet::GetBookmark() const {
  if (window_count_ == 0 || state_ == dsInsert) return {};
  RecordBuffer* buffer = ActiveBuffer();
  if (GetBookmarkFlag(buffer) != bfCurrent) return {};
  return GetBookmarkData(buffer);
}

void DataSet::GotoBookmark(const TBookmark& bookmark) {
  if (bookmark.empty()) return;
  CheckBrowseMode();
  Fire(BeforeScroll);
  InternalGotoBookmark(bookmark);
  Resync(rmExact | rmCenter);
  Fire(AfterScroll);
}

int DataSet::CompareBookmarks(const TBookmark& a, const TBookmark& b) const {
  if (a.empty() || b.empty()) return a.empty() == b.empty() ? 0 : (a.empty() ? -1 : 1);
  const int left = BookStrRecNo(a);
  const int right = BookStrRecNo(b);
  return left < right ? -1 : (left > right ? 1 : 0);
}

// ---- editing --------------------------------------------------------------------------------

template <typename Step>
void DataSet::CheckOperation(Step step, const TDataSetErrorEvent& on_error) {
  for (;;) {
    try {
      step();
      return;
    } catch (const Error& error) {
      TDataAction action = daFail;
      if (on_error.Code != nullptr) on_error.Code(on_error.Data, this, error.what(), action);
      if (action != daRetry) throw;
    }
  }
}

void DataSet::Edit() {
  if (state_ == dsEdit || state_ == dsInsert) return;
  CheckActive();
  if (window_count_ == 0) {
    Insert();
    return;
  }
  CheckBrowseMode();
  if (!GetCanModify()) throw Error(kReadOnly);
  Fire(BeforeEdit);
  CheckOperation([this] { UpdateCursorPos(); InternalEdit(); }, OnEditError);
  SetState(dsEdit);
  DataEvent(deRecordChange, 0);
  Fire(AfterEdit);
}

void DataSet::BeginInsertAppend() {
  CheckBrowseMode();
  if (!GetCanModify()) throw Error(kReadOnly);
  Fire(BeforeInsert);
  Fire(BeforeScroll);
}

void DataSet::EndInsertAppend() {
  SetState(dsInsert);
  try {
    Fire(OnNewRecord);
  } catch (...) {
    UpdateCursorPos();
    SetState(dsBrowse);
    Resync(0);
    throw;
  }
  modified_ = false;
  DataEvent(deDataSetChange, 0);
  Fire(AfterInsert);
  Fire(AfterScroll);
}

void DataSet::Insert() {
  CheckActive();
  BeginInsertAppend();
  const TBookmark before = GetBookmark();
  MoveBuffer(window_count_, active_record_);
  RecordBuffer* buffer = ActiveBuffer();
  InternalInitRecord(buffer);
  if (window_count_ == 0) {
    SetBookmarkFlag(buffer, bfBOF);
  } else {
    SetBookmarkFlag(buffer, bfInserted);
    SetBookmarkData(buffer, before);
  }
  if (window_count_ < buffer_count_) ++window_count_;
  bof_ = eof_ = false;
  InternalInsert();
  EndInsertAppend();
}

void DataSet::Append() {
  CheckActive();
  BeginInsertAppend();
  ClearBuffers();
  RecordBuffer* buffer = buffers_[0].get();
  InternalInitRecord(buffer);
  SetBookmarkFlag(buffer, bfEOF);
  window_count_ = 1;
  bof_ = false;
  GetPriorRecords();
  InternalLast();
  eof_ = false;
  EndInsertAppend();
}

void DataSet::Post() {
  UpdateRecord();
  Fire(BeforePost);
  for (const auto& field : fields_) {
    if (field->Required() && field->FieldKind() == fkData && !ReadFieldValue(field.get())) {
      throw Error("Field '" + field->DisplayName() + "' must have a value");
    }
  }
  CheckOperation(
      [this] {
        if (state_ == dsEdit) UpdateCursorPos();
        InternalPost();
      },
      OnPostError);
  SetState(dsBrowse);
  Resync(0);
  Fire(AfterPost);
}

void DataSet::Cancel() {
  if (state_ != dsEdit && state_ != dsInsert) return;
  DataEvent(deCheckBrowseMode, 0);
  Fire(BeforeCancel);
  const bool inserting = state_ == dsInsert;
  InternalCancel();
  SetState(dsBrowse);
  if (inserting) UpdateCursorPos();
  Resync(0);
  Fire(AfterCancel);
}

void DataSet::Delete() {
  CheckActive();
  if (state_ == dsInsert) {
    Cancel();
    return;
  }
  if (window_count_ == 0) throw Error(kDataSetEmpty);
  if (!GetCanModify()) throw Error(kReadOnly);
  DataEvent(deCheckBrowseMode, 0);
  Fire(BeforeDelete);
  Fire(BeforeScroll);
  CheckOperation([this] { UpdateCursorPos(); InternalDelete(); }, OnDeleteError);
  SetState(dsBrowse);
  Resync(0);
  Fire(AfterDelete);
  Fire(AfterScroll);
}

void DataSet::SetRecordValues(const std::vector<Variant>& values) {
  const size_t count = std::min(values.size(), fields_.size());
  for (size_t i = 0; i < count; ++i) fields_[i]->SetAsVariant(values[i]);
}

void DataSet::InsertRecord(const std::vector<Variant>& values) {
  Insert();
  SetRecordValues(values);
  Post();
}

void DataSet::AppendRecord(const std::vector<Variant>& values) {
  Append();
  SetRecordValues(values);
  Post();
}

void DataSet::ClearFields() {
  CheckEditing();
  for (const auto& field : fields_) SetFieldData(field.get(), ActiveBuffer(), std::nullopt);
  modified_ = true;
  DataEvent(deRecordChange, 0);
}

void DataSet::UpdateRecord() {
  CheckEditing();
  DataEvent(deUpdateRecord, 0);
}

void DataSet::CheckBrowseMode() {
  CheckActive();
  DataEvent(deCheckBrowseMode, 0);
  if (state_ == dsEdit || state_ == dsInsert) {
    UpdateRecord();
    if (modified_) {
      Post();
    } else {
      Cancel();
    }
  }
}

// ---- fields ---------------------------------------------------------------------------------

DataField* DataSet::Fields(int index) const {
  if (index < 0 || index >= GetFieldCount()) ThrowListIndexError(index);
  return fields_[static_cast<size_t>(index)].get();
}

DataField* DataSet::FindField(const std::string& name) const {
  for (const auto& field : fields_) {
    if (AsciiEqualIgnoreCase(field->FieldName(), name)) return field.get();
  }
  return nullptr;
}

DataField* DataSet::FieldByName(const std::string& name) const {
  DataField* field = FindField(name);
  if (field == nullptr) throw Error("Field '" + name + "' not found");
  return field;
}

std::string DataSet::GetFieldNames() const {
  std::string names;
  for (const auto& field : fields_) names += field->FieldName() + "\r\n";
  return names;
}

std::vector<DataField*> DataSet::GetFieldList(const std::string& names) const {
  std::vector<DataField*> list;
  std::string rest = names;
  while (!rest.empty()) {
    const int at = GetDataPos(";", rest);
    const std::string name = at == 0 ? rest : rest.substr(0, static_cast<size_t>(at - 1));
    rest = at == 0 ? std::string() : rest.substr(static_cast<size_t>(at));
    if (!name.empty()) list.push_back(FieldByName(name));
  }
  return list;
}

std::vector<Variant> DataSet::GetFieldValues() const {
  std::vector<Variant> values;
  for (const auto& field : fields_) values.push_back(field->AsVariant());
  return values;
}

std::optional<std::string> DataSet::ReadFieldValue(const DataField* field) const {
  const RecordBuffer* buffer = state_ == dsFilter ? filter_buffer_ : ActiveBuffer();
  if (buffer == nullptr || (state_ != dsFilter && state_ != dsInsert && window_count_ == 0)) return std::nullopt;
  return GetFieldData(field, buffer);
}

void DataSet::WriteFieldValue(DataField* field, std::optional<std::string> value) {
  CheckEditing();
  if (field->ReadOnly()) throw Error("Field '" + field->DisplayName() + "' cannot be modified");
  SetFieldData(field, ActiveBuffer(), std::move(value));
  modified_ = true;
  DataEvent(deFieldChange, reinterpret_cast<intptr_t>(field));
}

// ---- filtering and searching ----------------------------------------------------------------

void DataSet::SetFilterText(const std::string& text) {
  if (text == filter_text_) return;
  if (GetActive()) CheckBrowseMode();
  // A text that does not parse leaves the filter as it was.
  const std::string previous = filter_text_;
  filter_text_ = text;
  try {
    ParseFilter();
  } catch (...) {
    filter_text_ = previous;
    throw;
  }
  if (GetActive() && filtered_) First();
}

void DataSet::SetFiltered(bool filtered) {
  if (filtered == filtered_) return;
  if (GetActive()) CheckBrowseMode();
  filtered_ = filtered;
  if (GetActive()) First();
}

void DataSet::SetFilterOptions(unsigned options) {
  if (options == filter_options_) return;
  if (GetActive()) CheckBrowseMode();
  filter_options_ = options;
  ParseFilter();
  if (GetActive() && filtered_) First();
}

void DataSet::ParseFilter() {
  parsed_filter_.reset();
  if (state_ == dsInactive || filter_text_.find_first_not_of(" \t\r\n") == std::string::npos) return;
  parsed_filter_ = std::make_unique<TQxExprParser>(this, filter_text_, filter_options_);
}

bool DataSet::FilterActive() const {
  return filtered_ && (OnFilterRecord.Code != nullptr || parsed_filter_ != nullptr);
}

namespace {

// The candidate record's fields as the evaluator reads them.
class BufferRowReader : public TQxRowReader {
 public:
  explicit BufferRowReader(const DataSet& data_set) : data_set_(data_set), texts_(static_cast<size_t>(data_set.GetFieldCount())) {}
  std::optional<std::string_view> FieldText(int index) const override {
    auto& text = texts_[static_cast<size_t>(index)];
    text = data_set_.Fields(index)->Value();
    if (!text) return std::nullopt;
    return std::string_view(*text);
  }

 private:
  const DataSet& data_set_;
  mutable std::vector<std::optional<std::string>> texts_;
};

}  // namespace

bool DataSet::RecordPassesFilter(RecordBuffer* buffer) {
  if (!FilterActive()) return true;
  bool accept = true;
  RecordBuffer* saved_buffer = filter_buffer_;
  filter_buffer_ = buffer;
  try {
    ScopedState scoped(state_, dsFilter);
    if (OnFilterRecord.Code != nullptr) OnFilterRecord.Code(OnFilterRecord.Data, this, accept);
    if (accept && parsed_filter_) accept = EvaluateFilter(*parsed_filter_, BufferRowReader(*this));
  } catch (...) {
    filter_buffer_ = saved_buffer;
    throw;
  }
  filter_buffer_ = saved_buffer;
  return accept;
}

std::optional<int> DataSet::FindMatch(const std::vector<DataField*>& fields, const std::vector<Variant>& values,
                                      unsigned options) {
  RecordBuffer* spare = buffers_[static_cast<size_t>(window_count_)].get();
  CursorPosChanged();
  InternalFirst();
  int position = 0;
  while (GetRecord(spare, gmNext, false) == grOK) {
    ++position;
    bool all = true;
    for (size_t i = 0; i < fields.size() && all; ++i) {
      const bool last = i + 1 == fields.size();
      all = FieldValueMatches(GetFieldData(fields[i], spare), i < values.size() ? values[i] : Variant(),
                              (options & loCaseInsensitive) != 0, last && (options & loPartialKey) != 0);
    }
    if (all) return position;
  }
  return std::nullopt;
}

bool DataSet::Locate(const std::string& key_fields, const std::vector<Variant>& key_values, unsigned options) {
  CheckBrowseMode();
  const std::vector<DataField*> fields = GetFieldList(key_fields);
  const std::optional<int> found = FindMatch(fields, key_values, options);
  if (!found) {
    CursorPosChanged();
    return false;
  }
  Fire(BeforeScroll);
  InternalSetToRecord(buffers_[static_cast<size_t>(window_count_)].get());
  Resync(rmExact | rmCenter);
  Fire(AfterScroll);
  return true;
}

Variant DataSet::Lookup(const std::string& key_fields, const std::vector<Variant>& key_values,
                        const std::string& result_field) {
  CheckBrowseMode();
  const std::vector<DataField*> fields = GetFieldList(key_fields);
  DataField* result = FieldByName(result_field);
  const std::optional<int> found = FindMatch(fields, key_values, 0);
  CursorPosChanged();
  if (!found) return Variant();
  const auto value = GetFieldData(result, buffers_[static_cast<size_t>(window_count_)].get());
  return value ? Variant::FromString(*value) : Variant();
}

bool DataSet::FindRecord(bool restart, bool go_forward) {
  CheckBrowseMode();
  const bool saved = filtered_;
  filtered_ = true;
  RecordBuffer* spare = buffers_[static_cast<size_t>(window_count_)].get();
  if (restart) {
    CursorPosChanged();
    if (go_forward) {
      InternalFirst();
    } else {
      InternalLast();
    }
  } else {
    UpdateCursorPos();
  }
  found_ = FilterActive() && GetRecord(spare, go_forward ? gmNext : gmPrior, false) == grOK;
  filtered_ = saved;
  if (found_) {
    Fire(BeforeScroll);
    InternalSetToRecord(spare);
    Resync(rmExact | rmCenter);
    Fire(AfterScroll);
  } else {
    CursorPosChanged();
  }
  return found_;
}

bool DataSet::FindFirst() { return FindRecord(true, true); }
bool DataSet::FindLast() { return FindRecord(true, false); }
bool DataSet::FindNext() { return FindRecord(false, true); }
bool DataSet::FindPrior() { return FindRecord(false, false); }

}  // namespace ruzi
