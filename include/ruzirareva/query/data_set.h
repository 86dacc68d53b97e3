#pragma once
// The dataset framework: a cursor over records, a window of record buffers that data links
// show, editing with post and cancel, bookmarks, filters and the dataset events. A concrete
// dataset supplies its records through the protected hooks (GetRecord answers OK, BOF, EOF or
// error for the current, next or prior record; the Internal... steps move, insert, post and
// delete); everything else is done here once for every kind of dataset.
// Failures raise ruzi::Error with the framework's messages ("Cannot perform this operation on
// a closed dataset", "Dataset not in edit or insert mode", "Field 'X' not found", "Record not
// found", ...). One thread at a time.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/component.h"
#include "ruzirareva/foundation/variant.h"
#include "ruzirareva/query/data_field.h"
#include "ruzirareva/query/data_set_types.h"
#include "ruzirareva/query/field_defs.h"
#include "ruzirareva/query/index_defs.h"
#include "ruzirareva/query/record_buffer.h"

namespace ruzi {

class DataSource;
class TQxExprParser;

class RUZI_API DataSet : public TComponent {
  RUZI_CLASS_RECORD(DataSet, TComponent::ClassRecord())

 public:
  explicit DataSet(TComponent* owner = nullptr);
  ~DataSet() override;

  // Opening and state.
  void Open();
  void Close();
  bool GetActive() const { return state_ != dsInactive; }
  void SetActive(bool active);
  TDataSetState GetState() const { return state_; }

  // Navigation. Bof is true after First or a move that ran into the start, Eof likewise at
  // the end; both are true on an empty dataset.
  void First();
  void Last();
  void Next() { MoveBy(1); }
  void Prior() { MoveBy(-1); }
  // Moves up to `distance` records (negative: back); returns how far it moved.
  int MoveBy(int distance);
  bool GetBof() const { return bof_; }
  bool GetEof() const { return eof_; }
  bool IsEmpty() const { return GetActive() && window_count_ == 0; }
  // The active record's number (1-based among the records shown), 0 when there is none.
  virtual int GetRecNo() const { return 0; }
  virtual void SetRecNo(int rec_no) { (void)rec_no; }
  virtual int GetRecordCount() const { return 0; }
  virtual bool IsSequenced() const { return true; }
  // Moves to the first record whose fields (names separated by ";") equal the values;
  // false (cursor kept) when none does.
  bool Locate(const std::string& key_fields, const std::vector<Variant>& key_values, unsigned options);
  // The result field's value of the first matching record, without moving; null when none.
  Variant Lookup(const std::string& key_fields, const std::vector<Variant>& key_values,
                 const std::string& result_field);
  // The records that pass the filter, found from the start, the end or the cursor.
  bool FindFirst();
  bool FindLast();
  bool FindNext();
  bool FindPrior();
  bool GetFound() const { return found_; }

  // Bookmarks: a mark of the active record that stays valid while the record exists.
  TBookmark GetBookmark() const;
  void GotoBookmark(const TBookmark& bookmark);
  void FreeBookmark(TBookmark& bookmark) { bookmark.clear(); }
  virtual bool BookmarkValid(const TBookmark& bookmark) const { (void)bookmark; return false; }
  // -1, 0 or 1 by the two records' order; an empty bookmark sorts first.
  virtual int CompareBookmarks(const TBookmark& a, const TBookmark& b) const;
  TBookmark GetBookmarkStr() const { return GetBookmark(); }
  void SetBookmarkStr(const TBookmark& bookmark) { GotoBookmark(bookmark); }

  // Editing.
  void Edit();
  void Insert();
  void Append();
  void Post();
  void Cancel();
  void Delete();
  void InsertRecord(const std::vector<Variant>& values);
  void AppendRecord(const std::vector<Variant>& values);
  void ClearFields();
  // Posts or cancels a pending edit (posts when a field changed).
  void CheckBrowseMode();
  void UpdateRecord();
  bool GetModified() const { return modified_; }
  virtual bool GetCanModify() const { return true; }
  virtual TUpdateStatus UpdateStatus() const { return usUnmodified; }
  // Puts the record source's cursor on the active record.
  void UpdateCursorPos();
  void CursorPosChanged() { current_record_ = -1; }
  // Fetches the window again around the active record (TResyncMode bits).
  void Resync(unsigned mode);
  void Refresh();

  // Fields.
  int GetFieldCount() const { return static_cast<int>(fields_.size()); }
  DataField* Fields(int index) const;
  DataField* FindField(const std::string& name) const;
  // The field of that name; a missing name raises "Field '<name>' not found".
  DataField* FieldByName(const std::string& name) const;
  // Field names joined by "\r\n" (as a string list's text).
  std::string GetFieldNames() const;
  // The fields named in a ";"-separated list, each raising when missing.
  std::vector<DataField*> GetFieldList(const std::string& names) const;
  FieldDefs& GetFieldDefs() { return field_defs_; }
  const FieldDefs& GetFieldDefs() const { return field_defs_; }
  IndexDefs& GetIndexDefs() { return index_defs_; }
  const std::string& GetIndexName() const { return index_name_; }
  void SetIndexName(const std::string& name) { index_name_ = name; }
  const std::string& GetIndexFieldNames() const { return index_field_names_; }
  void SetIndexFieldNames(const std::string& names) { index_field_names_ = names; }
  // Whether the active record is in the window.
  bool GetCurrentRecord() const { return window_count_ > 0; }
  // Values of each field (null as an empty variant) of the active record.
  std::vector<Variant> GetFieldValues() const;

  // Controls: while disabled, links hear nothing; enabling tells them the dataset changed.
  void DisableControls();
  void EnableControls();
  bool ControlsDisabled() const { return disable_count_ > 0; }

  // Filtering: the filter text (the filter expression syntax), its options and the event.
  const std::string& GetFilter() const { return filter_text_; }
  void SetFilterText(const std::string& text);
  bool GetFiltered() const { return filtered_; }
  void SetFiltered(bool filtered);
  unsigned GetFilterOptions() const { return filter_options_; }
  void SetFilterOptions(unsigned options);

  // Options, kept; BlockReadSize > 0 silences the links until it is 0 again.
  bool GetAutoCalcFields() const { return auto_calc_fields_; }
  void SetAutoCalcFields(bool value) { auto_calc_fields_ = value; }
  bool GetObjectView() const { return object_view_; }
  void SetObjectView(bool value) { object_view_ = value; }
  bool GetSparseArrays() const { return sparse_arrays_; }
  void SetSparseArrays(bool value) { sparse_arrays_ = value; }
  const std::string& GetConstraints() const { return constraints_; }
  void SetConstraints(const std::string& value) { constraints_ = value; }
  int GetBlockReadSize() const { return block_read_size_; }
  void SetBlockReadSize(int size);
  bool GetIsUniDirectional() const { return false; }
  // Kept empty: no designer, no nested dataset field, no aggregate fields.
  void* GetDesigner() const { return nullptr; }
  DataField* GetDataSetField() const { return nullptr; }
  std::vector<DataField*> GetAggFields() const { return {}; }
  DataSource* GetDataSource() const { return master_source_; }

  // Events.
  TDataSetNotifyEvent BeforeOpen, AfterOpen, BeforeClose, AfterClose, BeforeInsert, AfterInsert,
      BeforeEdit, AfterEdit, BeforePost, AfterPost, BeforeCancel, AfterCancel, BeforeDelete,
      AfterDelete, BeforeScroll, AfterScroll, BeforeRefresh, AfterRefresh, OnCalcFields, OnNewRecord;
  TFilterRecordEvent OnFilterRecord;
  TDataSetErrorEvent OnDeleteError, OnEditError, OnPostError;

  // The record window, for links and tests: its size, how many slots hold records, and the
  // slot of the active record.
  int WindowSize() const { return buffer_count_; }
  int WindowRecordCount() const { return window_count_; }
  int ActiveRecordIndex() const { return active_record_; }
  void SetActiveRecordIndex(int index);

  // Field access on the active record (what DataField calls).
  std::optional<std::string> ReadFieldValue(const DataField* field) const;
  void WriteFieldValue(DataField* field, std::optional<std::string> value);

 protected:
  // Record buffers.
  virtual std::unique_ptr<RecordBuffer> AllocRecordBuffer() = 0;
  virtual TGetResult GetRecord(RecordBuffer* buffer, TGetMode mode, bool do_check) = 0;
  virtual void InternalInitRecord(RecordBuffer* buffer) = 0;
  virtual TBookmark GetBookmarkData(const RecordBuffer* buffer) const = 0;
  virtual void SetBookmarkData(RecordBuffer* buffer, const TBookmark& bookmark) = 0;
  virtual TBookmarkFlag GetBookmarkFlag(const RecordBuffer* buffer) const = 0;
  virtual void SetBookmarkFlag(RecordBuffer* buffer, TBookmarkFlag flag) = 0;
  virtual std::optional<std::string> GetFieldData(const DataField* field, const RecordBuffer* buffer) const = 0;
  virtual void SetFieldData(DataField* field, RecordBuffer* buffer, std::optional<std::string> value) = 0;
  // Cursor steps of the record source.
  virtual void InternalOpen() = 0;
  virtual void InternalClose() = 0;
  virtual bool IsCursorOpen() const = 0;
  virtual void InternalFirst() = 0;
  virtual void InternalLast() = 0;
  virtual void InternalGotoBookmark(const TBookmark& bookmark) = 0;
  virtual void InternalSetToRecord(RecordBuffer* buffer) = 0;
  virtual void InternalEdit() {}
  virtual void InternalInsert() {}
  virtual void InternalCancel() {}
  // Writes the active buffer: over its record in dsEdit, as a new record in dsInsert.
  virtual void InternalPost() = 0;
  virtual void InternalDelete() = 0;
  virtual void InternalRefresh() {}
  virtual void InternalHandleException() {}
  // Field definitions of a dataset whose caller gave none (query results).
  virtual void InternalInitFieldDefs() {}

  // Whether a record passes the filter (the event, then the filter text), read from `buffer`.
  bool RecordPassesFilter(RecordBuffer* buffer);
  // Whether a filter applies at all (Filtered with a text or an event).
  bool FilterActive() const;
  RecordBuffer* ActiveBuffer() const;
  void DoBeforeScroll() { Fire(BeforeScroll); }
  void DoAfterScroll() { Fire(AfterScroll); }
  void SetMasterSource(DataSource* source) { master_source_ = source; }

  // Called by DataSource when a link's window changes.
  friend class DataSource;
  friend class TQXADOQuery;  // hands ActiveBuffer on
  friend class DataLink;
  void AddDataSource(DataSource* source);
  void RemoveDataSource(DataSource* source);
  void UpdateBufferCount();

 private:
  void CheckActive() const;
  void CheckEditing() const;
  void SetState(TDataSetState state);
  void DataEvent(TDataEvent event, intptr_t info);
  void Fire(const TDataSetNotifyEvent& event) { if (event.Code != nullptr) event.Code(event.Data, this); }
  template <typename Step>
  void CheckOperation(Step step, const TDataSetErrorEvent& on_error);
  void CreateFields();
  void ParseFilter();
  void AllocateBuffers(int count);
  void ClearBuffers();
  void ActivateBuffers();
  void SetCurrentRecord(int index);
  void MoveBuffer(int from, int to);
  bool GetNextRecord();
  bool GetPriorRecord();
  int GetNextRecords();
  int GetPriorRecords();
  void BeginInsertAppend();
  void EndInsertAppend();
  void SetRecordValues(const std::vector<Variant>& values);
  // Moves like MoveBy but keeps only records passing the filter text, for the Find steps.
  bool FindRecord(bool restart, bool go_forward);
  std::optional<int> FindMatch(const std::vector<DataField*>& fields, const std::vector<Variant>& values,
                               unsigned options);

  TDataSetState state_ = dsInactive;
  TDataSetState saved_state_ = dsInactive;  // while a filter test borrows the state
  FieldDefs field_defs_;
  IndexDefs index_defs_;
  std::vector<std::unique_ptr<DataField>> fields_;
  std::vector<std::unique_ptr<RecordBuffer>> buffers_;  // buffer_count_ + 1 (the last to fetch into)
  int buffer_count_ = 0;
  int window_count_ = 0;
  int active_record_ = 0;
  int current_record_ = -1;
  RecordBuffer* filter_buffer_ = nullptr;
  bool bof_ = true;
  bool eof_ = true;
  bool modified_ = false;
  bool found_ = false;
  int disable_count_ = 0;
  bool pending_change_ = false;
  std::vector<DataSource*> sources_;
  DataSource* master_source_ = nullptr;
  std::string filter_text_;
  std::unique_ptr<TQxExprParser> parsed_filter_;  // while open and a text is set
  bool filtered_ = false;
  unsigned filter_options_ = 0;
  std::string index_name_;
  std::string index_field_names_;
  std::string constraints_;
  bool auto_calc_fields_ = true;
  bool object_view_ = true;
  bool sparse_arrays_ = false;
  int block_read_size_ = 0;
};

}  // namespace ruzi
