#pragma once
// The named-query dataset: opens a query the server keeps under a name (or SQL sent as it is)
// through the middleware service "qx_query", page after page, into its rows; Execute and
// ExecSQL run a statement and answer the rows it changed. A failed call or a bad reply raises
// ruzi::Error with its message and leaves the dataset closed. TQXQuery is the class created.
// One thread at a time.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/query/memory_data_set.h"
#include "ruzirareva/query/params.h"

namespace ruzi {

class DataSource;

// The database a named query runs on: a name the calls carry.
class RUZI_API TCustomAdsDataBase : public TComponent {
  RUZI_CLASS_RECORD(TCustomAdsDataBase, TComponent::ClassRecord())

 public:
  explicit TCustomAdsDataBase(TComponent* owner = nullptr) : TComponent(owner) {}
  void SetDataBaseName(const std::string& name) { name_ = name; }
  const std::string& GetDataBaseName() const { return name_; }

 private:
  std::string name_;
};

// How the dataset reaches the server: a service call by name (request and reply in the tagged
// text form, time-out in milliseconds) answering the middleware's result code.
using TQxServiceCall =
    std::function<int32_t(const std::string& service, const std::string& input, std::string& output, int32_t timeout)>;

class RUZI_API TQxDataSet : public MemoryDataSet {
  RUZI_CLASS_RECORD(TQxDataSet, MemoryDataSet::ClassRecord())

 public:
  // Milliseconds each page's call may take.
  static constexpr int32_t kCallTimeout = 30000;

  explicit TQxDataSet(TComponent* owner = nullptr);
  ~TQxDataSet() override;

  // The query by name, the caller's ";"-separated name=value condition pairs, and the most
  // rows to fetch (0: all).
  void setQueryName(const std::string& name, const std::string& condition = "", int32_t max_rows = 0);
  const std::string& GetQueryName() const { return query_name_; }
  void SetBeginDate(int32_t yyyymmdd) { begin_date_ = yyyymmdd; }
  void SetEndDate(int32_t yyyymmdd) { end_date_ = yyyymmdd; }
  void SetConnectNo(int32_t number) { connect_no_ = number; }
  int32_t GetConnectNo() const { return connect_no_; }
  void SetDataBase(TCustomAdsDataBase* data_base) { data_base_ = data_base; }
  TCustomAdsDataBase* GetDataBase() const { return data_base_; }
  void SetMasterSource(DataSource* source) { master_source_ = source; }
  DataSource* GetMasterSource() const { return master_source_; }
  // The SQL run when no query name is set, one line an entry.
  std::vector<std::string>& SQL() { return sql_; }

  Params& getParams() { return params_; }
  int GetParamsCount() const { return params_.Count(); }
  // Raises Error "Parameter '<name>' not found" for a name not created.
  Param& ParamByName(const std::string& name) { return params_.ParamByName(name); }

  // Runs the statement; the rows it changed.
  int32_t Execute();
  void ExecSQL() { Execute(); }

  // The call every dataset without one of its own uses (the library sets CallService).
  static void SetDefaultServiceCall(TQxServiceCall call);
  // This dataset's own call (tests reach a server of their own this way).
  void SetServiceCall(TQxServiceCall call) { call_ = std::move(call); }

 protected:
  void InternalOpen() override;

 private:
  // The first page's request, or the one for the page kept under `cursor`.
  std::string Request(int64_t cursor);
  std::string CallServer(const std::string& request) const;

  std::string query_name_, condition_;
  int32_t max_rows_ = 0, begin_date_ = 0, end_date_ = 0, connect_no_ = 0;
  TCustomAdsDataBase* data_base_ = nullptr;
  DataSource* master_source_ = nullptr;
  std::vector<std::string> sql_;
  Params params_;
  TQxServiceCall call_;
};

class RUZI_API TQXQuery : public TQxDataSet {
  RUZI_CLASS_RECORD(TQXQuery, TQxDataSet::ClassRecord())

 public:
  explicit TQXQuery(TComponent* owner = nullptr) : TQxDataSet(owner) {}
};

}  // namespace ruzi
