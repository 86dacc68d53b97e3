#pragma once
// One query object over two back ends: it owns an inner dataset, either an ADO query run
// through ODBC (TADOQuery) or a named query run through the middleware (TQXQuery), and hands
// every dataset operation to it. The few operations that belong to one kind look at the inner
// dataset's class and answer empty for the other kind (GetParamsCount 0 on ADO, GetRowsAffected
// -1 on a named query, ...). Without an inner dataset reads answer empty or 0, ExecSQL -1, and
// every other action raises ruzi::Error. One thread at a time.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/component.h"
#include "ruzirareva/query/ado_query.h"
#include "ruzirareva/query/data_set.h"
#include "ruzirareva/query/qx_data_set.h"

namespace ruzi {

class RUZI_API TQXADOQuery : public TComponent {
  RUZI_CLASS_RECORD(TQXADOQuery, TComponent::ClassRecord())

 public:
  // The inner dataset by class name: "TADOQuery" or "TQXQuery"; any other class leaves none.
  TQXADOQuery(TComponent* owner, const TClassRecord* data_set_class);
  // An ADO query on `connection`.
  TQXADOQuery(TComponent* owner, TADOConnection* connection);
  // A named query on `data_base`.
  TQXADOQuery(TComponent* owner, TCustomAdsDataBase* data_base);
  ~TQXADOQuery() override;

  // The owned inner dataset, or nullptr.
  DataSet* Inner() const { return inner_; }

  // Operations that depend on the kind of the inner dataset.
  std::vector<std::string> GetSQL() const;
  void SetSQL(const std::vector<std::string>& lines);
  // Rows changed on ADO; -1 on a named query and without an inner dataset.
  int32_t ExecSQL();
  // Closes, replaces the SQL by `sql` and opens.
  void QXOpenQuery(const std::string& sql);
  // Closes, replaces the SQL by `sql` and runs it; as ExecSQL.
  int32_t QXExecSQL(const std::string& sql);
  // Closes, loads the SQL from the file and runs it; as ExecSQL.
  int32_t QXRunQueryScriptFile(const std::string& file_name);
  // The named query's parameter; nullptr on ADO.
  Param* ParamByName(const std::string& name);
  int GetParamsCount() const;
  TCustomAdsDataBase* GetDataBase() const;
  void SetDataBase(TCustomAdsDataBase* data_base);
  std::string GetDAtaBaseName() const;
  void SetDataBaseName(const std::string& name);
  DataSource* GetMasterDataSource() const;
  void SetMasterSource(DataSource* source);
  int32_t GetRowsAffected() const;
  TADOConnection* GetConnection() const;
  void SetConnection(TADOConnection* connection);
  std::string GetConnectionString() const;
  void SetConnectionString(const std::string& text);
  int GetCacheSize() const;
  void SetCacheSize(int rows);
  int GetCommandTimeout() const;

  // Navigation.
  void First() { Need().First(); }
  void Last() { Need().Last(); }
  void Next() { Need().Next(); }
  void Prior() { Need().Prior(); }
  int MoveBy(int distance) { return Need().MoveBy(distance); }
  bool FindFirst() { return Need().FindFirst(); }
  bool FindLast() { return Need().FindLast(); }
  bool FindNext() { return Need().FindNext(); }
  bool FindPrior() { return Need().FindPrior(); }
  bool GetBof() const { return inner_ != nullptr && inner_->GetBof(); }
  bool GetEof() const { return inner_ != nullptr && inner_->GetEof(); }
  int GetRecNo() const { return inner_ != nullptr ? inner_->GetRecNo() : 0; }
  void SetRecNo(int rec_no) { Need().SetRecNo(rec_no); }
  int GetRecordCount() const { return inner_ != nullptr ? inner_->GetRecordCount() : 0; }
  bool IsEmpty() const { return inner_ == nullptr || inner_->IsEmpty(); }
  bool IsSequenced() const { return inner_ != nullptr && inner_->IsSequenced(); }
  bool Locate(const std::string& key_fields, const std::vector<Variant>& key_values, unsigned options) {
    return Need().Locate(key_fields, key_values, options);
  }
  Variant Lookup(const std::string& key_fields, const std::vector<Variant>& key_values,
                 const std::string& result_field) {
    return Need().Lookup(key_fields, key_values, result_field);
  }

  // Bookmarks.
  TBookmark GetBookmark() const { return inner_ != nullptr ? inner_->GetBookmark() : TBookmark(); }
  void GotoBookmark(const TBookmark& bookmark) { Need().GotoBookmark(bookmark); }
  void FreeBookmark(TBookmark& bookmark) { Need().FreeBookmark(bookmark); }
  bool BookmarkValid(const TBookmark& bookmark) const { return inner_ != nullptr && inner_->BookmarkValid(bookmark); }
  int CompareBookmarks(const TBookmark& a, const TBookmark& b) const {
    return inner_ != nullptr ? inner_->CompareBookmarks(a, b) : 0;
  }
  TBookmark GetBookmarkStr() const { return inner_ != nullptr ? inner_->GetBookmarkStr() : TBookmark(); }
  void SetBookmarkStr(const TBookmark& bookmark) { Need().SetBookmarkStr(bookmark); }

  // State and editing.
  void Open() { Need().Open(); }
  void Close() { Need().Close(); }
  bool GetActive() const { return inner_ != nullptr && inner_->GetActive(); }
  void SetActive(bool active) { Need().SetActive(active); }
  void Append() { Need().Append(); }
  void AppendRecord(const std::vector<Variant>& values) { Need().AppendRecord(values); }
  void Insert() { Need().Insert(); }
  void InsertRecord(const std::vector<Variant>& values) { Need().InsertRecord(values); }
  void Edit() { Need().Edit(); }
  void Post() { Need().Post(); }
  void Cancel() { Need().Cancel(); }
  void Delete() { Need().Delete(); }
  void ClearFields() { Need().ClearFields(); }
  void CheckBrowseMode() { Need().CheckBrowseMode(); }
  void UpdateRecord() { Need().UpdateRecord(); }
  TUpdateStatus UpdateStatus() const { return inner_ != nullptr ? inner_->UpdateStatus() : usUnmodified; }
  void UpdateCursorPos() { Need().UpdateCursorPos(); }
  void CursorPosChanged() { Need().CursorPosChanged(); }
  void Resync(unsigned mode) { Need().Resync(mode); }
  void Refresh() { Need().Refresh(); }
  bool GetModified() const { return inner_ != nullptr && inner_->GetModified(); }
  bool GetCanModify() const { return inner_ != nullptr && inner_->GetCanModify(); }
  TDataSetState GetState() const { return inner_ != nullptr ? inner_->GetState() : dsInactive; }

  // Fields.
  DataField* FieldByName(const std::string& name) const { return Need().FieldByName(name); }
  DataField* FindField(const std::string& name) const { return inner_ != nullptr ? inner_->FindField(name) : nullptr; }
  std::string GetFieldNames() const { return inner_ != nullptr ? inner_->GetFieldNames() : std::string(); }
  std::vector<DataField*> GetFieldList(const std::string& names) const { return Need().GetFieldList(names); }
  // The same list, added to `list`.
  void GetFieldList2(std::vector<DataField*>& list, const std::string& names) const;
  Variant GetFieldValue(const std::string& name) const { return Need().FieldByName(name)->AsVariant(); }
  void SetFieldValue(const std::string& name, const Variant& value) { Need().FieldByName(name)->SetAsVariant(value); }
  // The field's value on the active record; nothing when null.
  std::optional<std::string> GetFieldData(const DataField* field) const {
    return inner_ != nullptr ? inner_->ReadFieldValue(field) : std::nullopt;
  }
  std::optional<std::string> GetBlobFieldData(const DataField* field) const { return GetFieldData(field); }
  // The blob field's bytes (there are no stream objects here).
  std::string CreateBlobStream(const DataField* field) const { return GetFieldData(field).value_or(""); }
  std::vector<DataField*> GetFields() const;
  // Sets the fields in order from the values (the dataset in edit or insert mode).
  void SetFields(const std::vector<Variant>& values);
  FieldDefs GetFieldDefs() const { return inner_ != nullptr ? inner_->GetFieldDefs() : FieldDefs(); }
  void SetFieldDefs(const FieldDefs& defs) { Need().GetFieldDefs() = defs; }
  FieldDefs GetFieldDefList() const { return GetFieldDefs(); }
  int GetFieldCount() const { return inner_ != nullptr ? inner_->GetFieldCount() : 0; }
  std::vector<DataField*> GetAggFields() const { return {}; }
  // Fields are always made from the definitions.
  bool GetDefaultFields() const { return inner_ != nullptr; }
  bool GetCurrentRecord() const { return inner_ != nullptr && inner_->GetCurrentRecord(); }
  RecordBuffer* ActiveBuffer() const;
  // Bytes a record's fields declare.
  int GetRecordSize() const;
  // Texts are GBK on both sides: the text as it is.
  std::string Translate(const std::string& text, bool to_oem) const;

  // Controls.
  void DisableControls() { Need().DisableControls(); }
  void EnableControls() { Need().EnableControls(); }
  bool ControlsDisabled() const { return inner_ != nullptr && inner_->ControlsDisabled(); }

  // Filtering.
  std::string GetFilter() const { return inner_ != nullptr ? inner_->GetFilter() : std::string(); }
  void SetFilterText(const std::string& text) { Need().SetFilterText(text); }
  bool GetFiltered() const { return inner_ != nullptr && inner_->GetFiltered(); }
  void SetFiltered(bool filtered) { Need().SetFiltered(filtered); }
  unsigned GetFilterOptions() const { return inner_ != nullptr ? inner_->GetFilterOptions() : 0; }
  void SetFilterOptions(unsigned options) { Need().SetFilterOptions(options); }
  bool GetFound() const { return inner_ != nullptr && inner_->GetFound(); }

  // Master and detail.
  DataSource* GetDataSource() const { return inner_ != nullptr ? inner_->GetDataSource() : nullptr; }
  // No dataset here keeps details of its own.
  std::vector<DataSet*> GetDetailDataSets() const { return {}; }
  void GetDetailLinkFields(std::vector<DataField*>& master, std::vector<DataField*>& detail) const;
  // Whether `source` shows the inner dataset or its master.
  bool IsLinkedTo(const DataSource* source) const;
  DataField* GetDataSetField() const { return nullptr; }
  void SetDataSetField(DataField* field) { (void)Need(); (void)field; }

  // Options.
  bool GetAutoCalcFields() const { return inner_ != nullptr && inner_->GetAutoCalcFields(); }
  void SetAutoCalcFields(bool value) { Need().SetAutoCalcFields(value); }
  bool GetObjectView() const { return inner_ != nullptr && inner_->GetObjectView(); }
  void SetObjectView(bool value) { Need().SetObjectView(value); }
  bool GetSparseArrays() const { return inner_ != nullptr && inner_->GetSparseArrays(); }
  void SetSparseArrays(bool value) { Need().SetSparseArrays(value); }
  int GetBlockReadSize() const { return inner_ != nullptr ? inner_->GetBlockReadSize() : 0; }
  void SetBlockReadSize(int size) { Need().SetBlockReadSize(size); }
  bool GetIsUniDirectional() const { return inner_ != nullptr && inner_->GetIsUniDirectional(); }
  void* GetDesigner() const { return nullptr; }

  // Events.
  TDataSetNotifyEvent GetBeforeOpen() const { return Event(&DataSet::BeforeOpen); }
  void SetBeforeOpen(TDataSetNotifyEvent event) { SetEvent(&DataSet::BeforeOpen, event); }
  TDataSetNotifyEvent GetAfterOpen() const { return Event(&DataSet::AfterOpen); }
  void SetAfterOpen(TDataSetNotifyEvent event) { SetEvent(&DataSet::AfterOpen, event); }
  TDataSetNotifyEvent GetBeforeClose() const { return Event(&DataSet::BeforeClose); }
  void SetBeforeClose(TDataSetNotifyEvent event) { SetEvent(&DataSet::BeforeClose, event); }
  TDataSetNotifyEvent GetAfterClose() const { return Event(&DataSet::AfterClose); }
  void SetAfterClose(TDataSetNotifyEvent event) { SetEvent(&DataSet::AfterClose, event); }
  TDataSetNotifyEvent GetBeforeInsert() const { return Event(&DataSet::BeforeInsert); }
  void SetBeforeInsert(TDataSetNotifyEvent event) { SetEvent(&DataSet::BeforeInsert, event); }
  TDataSetNotifyEvent GetAfterInsert() const { return Event(&DataSet::AfterInsert); }
  void SetAfterInsert(TDataSetNotifyEvent event) { SetEvent(&DataSet::AfterInsert, event); }
  TDataSetNotifyEvent GetBeforeEdit() const { return Event(&DataSet::BeforeEdit); }
  void SetBeforeEdit(TDataSetNotifyEvent event) { SetEvent(&DataSet::BeforeEdit, event); }
  TDataSetNotifyEvent GetAfterEdit() const { return Event(&DataSet::AfterEdit); }
  void SetAfterEdit(TDataSetNotifyEvent event) { SetEvent(&DataSet::AfterEdit, event); }
  TDataSetNotifyEvent GetBeforePost() const { return Event(&DataSet::BeforePost); }
  void SetBeforePost(TDataSetNotifyEvent event) { SetEvent(&DataSet::BeforePost, event); }
  TDataSetNotifyEvent GetAfterPost() const { return Event(&DataSet::AfterPost); }
  void SetAfterPost(TDataSetNotifyEvent event) { SetEvent(&DataSet::AfterPost, event); }
  TDataSetNotifyEvent GetBeforeCancel() const { return Event(&DataSet::BeforeCancel); }
  void SetBeforeCancel(TDataSetNotifyEvent event) { SetEvent(&DataSet::BeforeCancel, event); }
  TDataSetNotifyEvent GetAfterCancel() const { return Event(&DataSet::AfterCancel); }
  void SetAfterCancel(TDataSetNotifyEvent event) { SetEvent(&DataSet::AfterCancel, event); }
  TDataSetNotifyEvent GetBeforeDelete() const { return Event(&DataSet::BeforeDelete); }
  void SetBeforeDelete(TDataSetNotifyEvent event) { SetEvent(&DataSet::BeforeDelete, event); }
  TDataSetNotifyEvent GetAfterDelete() const { return Event(&DataSet::AfterDelete); }
  void SetAfterDelete(TDataSetNotifyEvent event) { SetEvent(&DataSet::AfterDelete, event); }
  TDataSetNotifyEvent GetBeforeScroll() const { return Event(&DataSet::BeforeScroll); }
  void SetBeforeScroll(TDataSetNotifyEvent event) { SetEvent(&DataSet::BeforeScroll, event); }
  TDataSetNotifyEvent GetAfterScroll() const { return Event(&DataSet::AfterScroll); }
  void SetAfterScroll(TDataSetNotifyEvent event) { SetEvent(&DataSet::AfterScroll, event); }
  TDataSetNotifyEvent GetBeforeRefresh() const { return Event(&DataSet::BeforeRefresh); }
  void SetBeforeRefresh(TDataSetNotifyEvent event) { SetEvent(&DataSet::BeforeRefresh, event); }
  TDataSetNotifyEvent GetAfterRefresh() const { return Event(&DataSet::AfterRefresh); }
  void SetAfterRefresh(TDataSetNotifyEvent event) { SetEvent(&DataSet::AfterRefresh, event); }
  TDataSetNotifyEvent GetOnCalcFields() const { return Event(&DataSet::OnCalcFields); }
  void SetOnCalcFields(TDataSetNotifyEvent event) { SetEvent(&DataSet::OnCalcFields, event); }
  TDataSetNotifyEvent GetOnNewRecord() const { return Event(&DataSet::OnNewRecord); }
  void SetOnNewRecord(TDataSetNotifyEvent event) { SetEvent(&DataSet::OnNewRecord, event); }
  TFilterRecordEvent GetOnFilterRecord() const { return Event(&DataSet::OnFilterRecord); }
  void SetOnFilterRecord(TFilterRecordEvent event) { SetEvent(&DataSet::OnFilterRecord, event); }
  TDataSetErrorEvent GetOnDeleteError() const { return Event(&DataSet::OnDeleteError); }
  void SetOnDeleteError(TDataSetErrorEvent event) { SetEvent(&DataSet::OnDeleteError, event); }
  TDataSetErrorEvent GetOnEditError() const { return Event(&DataSet::OnEditError); }
  void SetOnEditError(TDataSetErrorEvent event) { SetEvent(&DataSet::OnEditError, event); }
  TDataSetErrorEvent GetOnPostError() const { return Event(&DataSet::OnPostError); }
  void SetOnPostError(TDataSetErrorEvent event) { SetEvent(&DataSet::OnPostError, event); }

 private:
  // The inner dataset; raises when there is none.
  DataSet& Need() const;
  TADOQuery* Ado() const;
  TQXQuery* Named() const;
  std::vector<std::string>* SqlLines() const;
  template <typename E>
  E Event(E DataSet::*member) const {
    return inner_ != nullptr ? inner_->*member : E{};
  }
  template <typename E>
  void SetEvent(E DataSet::*member, const E& value) {
    Need().*member = value;
  }

  DataSet* inner_ = nullptr;
};

}  // namespace ruzi
