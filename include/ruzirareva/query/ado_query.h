#pragma once
// The ADO query dataset: runs its SQL on a TADOConnection through ODBC. Open reads every row
// the statement answers, CacheSize rows a fetch, into its memory rows; ExecSQL runs a
// statement and answers the rows it changed (the driver's SQLRowCount). A driver error raises
// ruzi::Error with the driver's message and leaves the dataset closed. One thread at a time.
#include <cstdint>
#include <string>
#include <vector>

#include "ruzirareva/export.h"
#include "ruzirareva/query/ado_connection.h"
#include "ruzirareva/query/memory_data_set.h"

namespace ruzi {

class RUZI_API TADOQuery : public MemoryDataSet {
  RUZI_CLASS_RECORD(TADOQuery, MemoryDataSet::ClassRecord())

 public:
  explicit TADOQuery(TComponent* owner = nullptr);
  ~TADOQuery() override;

  TADOConnection* GetConnection() const { return connection_; }
  void SetConnection(TADOConnection* connection) { connection_ = connection; }
  // The statement, one line an entry.
  std::vector<std::string>& SQL() { return sql_; }

  // Runs the statement (closing the dataset first); the rows it changed.
  int32_t ExecSQL();
  // Rows the last statement changed, -1 before any.
  int32_t GetRowsAffected() const { return rows_affected_; }
  // Rows read from the driver at a time (at least 1).
  int GetCacheSize() const { return cache_size_; }
  void SetCacheSize(int rows) { cache_size_ = rows < 1 ? 1 : rows; }
  // Seconds a statement may run (0: no limit).
  int GetCommandTimeout() const { return command_timeout_; }
  void SetCommandTimeout(int seconds) { command_timeout_ = seconds < 0 ? 0 : seconds; }

 protected:
  void InternalOpen() override;

 private:
  TADOConnection* connection_ = nullptr;
  std::vector<std::string> sql_;
  int32_t rows_affected_ = -1;
  int cache_size_ = 1;
  int command_timeout_ = 30;
};

}  // namespace ruzi
