// The one ODBC file of both targets: Windows wants its own types before the ODBC headers.
#ifdef _WIN32
#include <windows.h>
#endif
#include <sql.h>
#include <sqlext.h>

#include "platform/odbc.h"

namespace ruzi::platform {
namespace {

bool Ok(SQLRETURN code) { return code == SQL_SUCCESS || code == SQL_SUCCESS_WITH_INFO; }

// The driver's first diagnostic for the handle, else what was being done.
std::string Diagnostic(SQLSMALLINT type, SQLHANDLE handle, const char* doing) {
  SQLCHAR state[8] = {};
  SQLCHAR text[1024] = {};
  SQLINTEGER native = 0;
  SQLSMALLINT length = 0;
  if (handle != SQL_NULL_HANDLE && Ok(SQLGetDiagRec(type, handle, 1, state, &native, text, sizeof text, &length))) {
    return std::string(reinterpret_cast<const char*>(text));
  }
  return std::string("ODBC: ") + doing + " failed";
}

OdbcKind KindOf(SQLSMALLINT type) {
  switch (type) {
    case SQL_TINYINT:
    case SQL_SMALLINT:
      return OdbcKind::SmallInt;
    case SQL_INTEGER:
      return OdbcKind::Integer;
    case SQL_BIGINT:
      return OdbcKind::LargeInt;
    case SQL_BIT:
      return OdbcKind::Boolean;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_NUMERIC:
    case SQL_DECIMAL:
      return OdbcKind::Float;
    case SQL_TYPE_DATE:
    case SQL_DATE:
      return OdbcKind::Date;
    case SQL_TYPE_TIME:
    case SQL_TIME:
      return OdbcKind::Time;
    case SQL_TYPE_TIMESTAMP:
    case SQL_TIMESTAMP:
      return OdbcKind::DateTime;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY:
      return OdbcKind::Binary;
    default:
      return OdbcKind::Text;
  }
}

void Check(SQLRETURN code, SQLSMALLINT type, SQLHANDLE handle, const char* doing) {
  if (!Ok(code)) throw OdbcError(Diagnostic(type, handle, doing));
}

}  // namespace

struct OdbcConnection::Handles {
  SQLHENV env = SQL_NULL_HENV;
  SQLHDBC dbc = SQL_NULL_HDBC;
  bool connected = false;

  ~Handles() {
    if (connected) SQLDisconnect(dbc);
    if (dbc != SQL_NULL_HDBC) SQLFreeHandle(SQL_HANDLE_DBC, dbc);
    if (env != SQL_NULL_HENV) SQLFreeHandle(SQL_HANDLE_ENV, env);
  }
};

OdbcConnection::OdbcConnection() = default;
OdbcConnection::~OdbcConnection() = default;

bool OdbcConnection::IsOpen() const { return handles_ != nullptr && handles_->connected; }

void OdbcConnection::Close() { handles_.reset(); }

void OdbcConnection::Open(const std::string& connection_string) {
  Close();
  auto handles = std::make_unique<Handles>();
  Check(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &handles->env), SQL_HANDLE_ENV, SQL_NULL_HANDLE,
        "SQLAllocHandle");
  Check(SQLSetEnvAttr(handles->env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0),
        SQL_HANDLE_ENV, handles->env, "SQLSetEnvAttr");
  Check(SQLAllocHandle(SQL_HANDLE_DBC, handles->env, &handles->dbc), SQL_HANDLE_ENV, handles->env, "SQLAllocHandle");
  std::string text = connection_string;
  SQLCHAR out[1024];
  SQLSMALLINT out_length = 0;
  Check(SQLDriverConnect(handles->dbc, nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
                         static_cast<SQLSMALLINT>(text.size()), out, sizeof out, &out_length, SQL_DRIVER_NOPROMPT),
        SQL_HANDLE_DBC, handles->dbc, "SQLDriverConnect");
  handles->connected = true;
  handles_ = std::move(handles);
}

OdbcStatement::OdbcStatement(OdbcConnection& connection, int timeout_seconds) {
  if (!connection.IsOpen()) throw OdbcError("ODBC: the connection is not open");
  SQLHDBC dbc = connection.handles_->dbc;
  SQLHSTMT statement = SQL_NULL_HSTMT;
  Check(SQLAllocHandle(SQL_HANDLE_STMT, dbc, &statement), SQL_HANDLE_DBC, dbc, "SQLAllocHandle");
  handle_ = statement;
  // A driver that cannot time out still runs the statement.
  if (timeout_seconds > 0) {
    SQLSetStmtAttr(statement, SQL_ATTR_QUERY_TIMEOUT,
                   reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(timeout_seconds)), 0);
  }
}

OdbcStatement::~OdbcStatement() {
  if (handle_ != nullptr) SQLFreeHandle(SQL_HANDLE_STMT, static_cast<SQLHSTMT>(handle_));
}

bool OdbcStatement::Execute(const std::string& sql) {
  auto* statement = static_cast<SQLHSTMT>(handle_);
  columns_.clear();
  std::string text = sql;
  const SQLRETURN code =
      SQLExecDirect(statement, reinterpret_cast<SQLCHAR*>(text.data()), static_cast<SQLINTEGER>(text.size()));
  // A statement that changes nothing may answer "no data".
  if (code == SQL_NO_DATA) return false;
  Check(code, SQL_HANDLE_STMT, statement, "SQLExecDirect");
  SQLSMALLINT count = 0;
  Check(SQLNumResultCols(statement, &count), SQL_HANDLE_STMT, statement, "SQLNumResultCols");
  for (SQLUSMALLINT c = 1; c <= count; ++c) {
    SQLCHAR name[256] = {};
    SQLSMALLINT name_length = 0, type = 0, decimals = 0, nullable = 0;
    SQLULEN size = 0;
    Check(SQLDescribeCol(statement, c, name, sizeof name, &name_length, &type, &size, &decimals, &nullable),
          SQL_HANDLE_STMT, statement, "SQLDescribeCol");
    columns_.push_back({reinterpret_cast<const char*>(name), KindOf(type), static_cast<uint64_t>(size)});
  }
  return count > 0;
}

int64_t OdbcStatement::RowCount() const {
  SQLLEN rows = -1;
  if (!Ok(SQLRowCount(static_cast<SQLHSTMT>(handle_), &rows))) return -1;
  return static_cast<int64_t>(rows);
}

// Read in pieces so that no value is ever cut, whatever size the driver declares.
OdbcStatement::Cell OdbcStatement::ReadCell(int column) {
  auto* statement = static_cast<SQLHSTMT>(handle_);
  std::string value;
  chunk_.resize(4096);
  for (;;) {
    SQLLEN length = 0;
    const SQLRETURN code = SQLGetData(statement, static_cast<SQLUSMALLINT>(column), SQL_C_CHAR, chunk_.data(),
                                      static_cast<SQLLEN>(chunk_.size()), &length);
    if (code == SQL_NO_DATA) return value;
    Check(code, SQL_HANDLE_STMT, statement, "SQLGetData");
    if (length == SQL_NULL_DATA) return std::nullopt;
    const size_t room = chunk_.size() - 1;  // the driver ends each piece with a NUL
    const bool cut = code == SQL_SUCCESS_WITH_INFO && (length == SQL_NO_TOTAL || static_cast<size_t>(length) > room);
    value.append(chunk_.data(), cut ? room : static_cast<size_t>(length));
    if (!cut) return value;
  }
}

size_t OdbcStatement::Fetch(size_t rows, std::vector<std::vector<Cell>>& into) {
  auto* statement = static_cast<SQLHSTMT>(handle_);
  size_t fetched = 0;
  while (fetched < rows) {
    const SQLRETURN code = SQLFetch(statement);
    if (code == SQL_NO_DATA) break;
    Check(code, SQL_HANDLE_STMT, statement, "SQLFetch");
    std::vector<Cell> row;
    row.reserve(columns_.size());
    for (size_t c = 1; c <= columns_.size(); ++c) row.push_back(ReadCell(static_cast<int>(c)));
    into.push_back(std::move(row));
    ++fetched;
  }
  return fetched;
}

}  // namespace ruzi::platform
