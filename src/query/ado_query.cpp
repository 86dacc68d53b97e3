#include "query/ado_query.h"

#include <algorithm>

#include "foundation/error.h"
#include "platform/odbc.h"
#include "query/sql_lines.h"

namespace ruzi {
namespace {

TFieldType FieldTypeOf(platform::OdbcKind kind) {
  switch (kind) {
    case platform::OdbcKind::SmallInt:
      return ftSmallint;
    case platform::OdbcKind::Integer:
      return ftInteger;
    case platform::OdbcKind::LargeInt:
      return ftLargeint;
    case platform::OdbcKind::Boolean:
      return ftBoolean;
    case platform::OdbcKind::Float:
      return ftFloat;
    case platform::OdbcKind::Date:
      return ftDate;
    case platform::OdbcKind::Time:
      return ftTime;
    case platform::OdbcKind::DateTime:
      return ftDateTime;
    case platform::OdbcKind::Binary:
      return ftVarBytes;
    case platform::OdbcKind::Text:
      break;
  }
  return ftString;
}

// A statement of the query's connection, its driver errors turned into ours.
template <typename Work>
auto WithStatement(TADOConnection* connection, int timeout, Work work) {
  if (connection == nullptr) throw Error("TADOQuery: Missing Connection or ConnectionString");
  try {
    platform::OdbcStatement statement(connection->Odbc(), timeout);
    return work(statement);
  } catch (const platform::OdbcError& error) {
    throw Error(error.what());
  }
}

}  // namespace

TADOQuery::TADOQuery(TComponent* owner) : MemoryDataSet(owner) {}

TADOQuery::~TADOQuery() {
  if (GetActive()) Close();
}

int32_t TADOQuery::ExecSQL() {
  if (GetActive()) Close();
  rows_affected_ = WithStatement(connection_, command_timeout_, [&](platform::OdbcStatement& statement) {
    statement.Execute(SqlText(sql_));
    return static_cast<int32_t>(statement.RowCount());
  });
  return rows_affected_;
}

void TADOQuery::InternalOpen() {
  EmptyDataSet();
  GetFieldDefs().Clear();
  WithStatement(connection_, command_timeout_, [&](platform::OdbcStatement& statement) {
    if (!statement.Execute(SqlText(sql_))) throw Error("TADOQuery: CommandText does not return a result set");
    const std::vector<platform::OdbcColumn>& columns = statement.Columns();
    std::vector<size_t> longest(columns.size(), 0);
    std::vector<Row> rows;
    while (statement.Fetch(static_cast<size_t>(cache_size_), rows) > 0) {
      for (Row& row : rows) {
        for (size_t c = 0; c < row.size(); ++c) longest[c] = std::max(longest[c], row[c] ? row[c]->size() : 0);
        AddRow(std::move(row));
      }
      rows.clear();
    }
    // A text column is as wide as the driver says or its longest value, so nothing is cut.
    for (size_t c = 0; c < columns.size(); ++c) {
      const TFieldType type = FieldTypeOf(columns[c].Kind);
      const uint64_t size = type == ftString || type == ftVarBytes
                                ? std::max<uint64_t>({columns[c].Size, longest[c], 1})
                                : 0;
      GetFieldDefs().Add(columns[c].Name, type, static_cast<int32_t>(std::min<uint64_t>(size, INT32_MAX)));
    }
    rows_affected_ = static_cast<int32_t>(statement.RowCount());
    return 0;
  });
  MemoryDataSet::InternalOpen();
}

}  // namespace ruzi
