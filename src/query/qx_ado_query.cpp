#include "query/qx_ado_query.h"

#include "foundation/error.h"
#include "query/data_source.h"
#include "query/sql_lines.h"

namespace ruzi {

TQXADOQuery::TQXADOQuery(TComponent* owner, const TClassRecord* data_set_class) : TComponent(owner) {
  if (data_set_class == nullptr) return;
  // By name, as a class record from another module is another object.
  const std::string name = data_set_class->Name;
  if (name == "TADOQuery") inner_ = new TADOQuery(this);
  if (name == "TQXQuery") inner_ = new TQXQuery(this);
}

TQXADOQuery::TQXADOQuery(TComponent* owner, TADOConnection* connection) : TComponent(owner) {
  auto* query = new TADOQuery(this);
  query->SetConnection(connection);
  inner_ = query;
}

TQXADOQuery::TQXADOQuery(TComponent* owner, TCustomAdsDataBase* data_base) : TComponent(owner) {
  auto* query = new TQXQuery(this);
  query->SetDataBase(data_base);
  inner_ = query;
}

// The inner dataset is owned, and goes with the components this one owns.
TQXADOQuery::~TQXADOQuery() = default;

DataSet& TQXADOQuery::Need() const {
  if (inner_ == nullptr) throw Error("TQXADOQuery: no inner dataset");
  return *inner_;
}

TADOQuery* TQXADOQuery::Ado() const {
  return inner_ != nullptr && inner_->ClassName() == "TADOQuery" ? static_cast<TADOQuery*>(inner_) : nullptr;
}

TQXQuery* TQXADOQuery::Named() const {
  return inner_ != nullptr && inner_->ClassName() == "TQXQuery" ? static_cast<TQXQuery*>(inner_) : nullptr;
}

std::vector<std::string>* TQXADOQuery::SqlLines() const {
  if (TADOQuery* ado = Ado()) return &ado->SQL();
  if (TQXQuery* named = Named()) return &named->SQL();
  return nullptr;
}

std::vector<std::string> TQXADOQuery::GetSQL() const {
  const std::vector<std::string>* lines = SqlLines();
  return lines != nullptr ? *lines : std::vector<std::string>();
}

void TQXADOQuery::SetSQL(const std::vector<std::string>& lines) {
  std::vector<std::string>* sql = SqlLines();
  if (sql == nullptr) throw Error("TQXADOQuery: no inner dataset");
  *sql = lines;
}

int32_t TQXADOQuery::ExecSQL() {
  if (TADOQuery* ado = Ado()) return ado->ExecSQL();
  if (TQXQuery* named = Named()) named->ExecSQL();
  return -1;
}

void TQXADOQuery::QXOpenQuery(const std::string& sql) {
  Need().Close();
  SetSQL({sql});
  Need().Open();
}

int32_t TQXADOQuery::QXExecSQL(const std::string& sql) {
  Need().Close();
  SetSQL({sql});
  return ExecSQL();
}

int32_t TQXADOQuery::QXRunQueryScriptFile(const std::string& file_name) {
  Need().Close();
  SetSQL(SqlLinesOfFile(file_name));
  return ExecSQL();
}

Param* TQXADOQuery::ParamByName(const std::string& name) {
  TQXQuery* named = Named();
  return named != nullptr ? &named->ParamByName(name) : nullptr;
}

int TQXADOQuery::GetParamsCount() const {
  const TQXQuery* named = Named();
  return named != nullptr ? named->GetParamsCount() : 0;
}

TCustomAdsDataBase* TQXADOQuery::GetDataBase() const {
  const TQXQuery* named = Named();
  return named != nullptr ? named->GetDataBase() : nullptr;
}

void TQXADOQuery::SetDataBase(TCustomAdsDataBase* data_base) {
  if (TQXQuery* named = Named()) named->SetDataBase(data_base);
}

std::string TQXADOQuery::GetDAtaBaseName() const {
  const TCustomAdsDataBase* data_base = GetDataBase();
  return data_base != nullptr ? data_base->GetDataBaseName() : std::string();
}

void TQXADOQuery::SetDataBaseName(const std::string& name) {
  if (TCustomAdsDataBase* data_base = GetDataBase()) data_base->SetDataBaseName(name);
}

DataSource* TQXADOQuery::GetMasterDataSource() const {
  if (const TQXQuery* named = Named()) return named->GetMasterSource();
  return inner_ != nullptr ? inner_->GetDataSource() : nullptr;
}

void TQXADOQuery::SetMasterSource(DataSource* source) {
  if (TQXQuery* named = Named()) named->SetMasterSource(source);
}

int32_t TQXADOQuery::GetRowsAffected() const {
  const TADOQuery* ado = Ado();
  return ado != nullptr ? ado->GetRowsAffected() : -1;
}

TADOConnection* TQXADOQuery::GetConnection() const {
  const TADOQuery* ado = Ado();
  return ado != nullptr ? ado->GetConnection() : nullptr;
}

void TQXADOQuery::SetConnection(TADOConnection* connection) {
  if (TADOQuery* ado = Ado()) ado->SetConnection(connection);
}

std::string TQXADOQuery::GetConnectionString() const {
  const TADOConnection* connection = GetConnection();
  return connection != nullptr ? connection->GetConnectionString() : std::string();
}

void TQXADOQuery::SetConnectionString(const std::string& text) {
  if (TADOConnection* connection = GetConnection()) connection->SetConnectionString(text);
}

int TQXADOQuery::GetCacheSize() const {
  const TADOQuery* ado = Ado();
  return ado != nullptr ? ado->GetCacheSize() : 0;
}

void TQXADOQuery::SetCacheSize(int rows) {
  if (TADOQuery* ado = Ado()) ado->SetCacheSize(rows);
}

int TQXADOQuery::GetCommandTimeout() const {
  const TADOQuery* ado = Ado();
  return ado != nullptr ? ado->GetCommandTimeout() : 0;
}

void TQXADOQuery::GetFieldList2(std::vector<DataField*>& list, const std::string& names) const {
  for (DataField* field : Need().GetFieldList(names)) list.push_back(field);
}

std::vector<DataField*> TQXADOQuery::GetFields() const {
  std::vector<DataField*> fields;
  for (int i = 0; i < GetFieldCount(); ++i) fields.push_back(inner_->Fields(i));
  return fields;
}

void TQXADOQuery::SetFields(const std::vector<Variant>& values) {
  DataSet& inner = Need();
  for (size_t i = 0; i < values.size() && static_cast<int>(i) < inner.GetFieldCount(); ++i) {
    inner.Fields(static_cast<int>(i))->SetAsVariant(values[i]);
  }
}

RecordBuffer* TQXADOQuery::ActiveBuffer() const { return inner_ != nullptr ? inner_->ActiveBuffer() : nullptr; }

int TQXADOQuery::GetRecordSize() const {
  int size = 0;
  for (const DataField* field : GetFields()) size += field->Size();
  return size;
}

std::string TQXADOQuery::Translate(const std::string& text, bool to_oem) const {
  (void)to_oem;
  return text;
}

void TQXADOQuery::GetDetailLinkFields(std::vector<DataField*>& master, std::vector<DataField*>& detail) const {
  master.clear();
  detail.clear();
}

bool TQXADOQuery::IsLinkedTo(const DataSource* source) const {
  for (const DataSet* data_set = inner_; data_set != nullptr && source != nullptr;) {
    if (source->GetDataSet() == data_set) return true;
    const DataSource* master = data_set->GetDataSource();
    data_set = master != nullptr ? master->GetDataSet() : nullptr;
    if (data_set == inner_) break;
  }
  return false;
}

}  // namespace ruzi
