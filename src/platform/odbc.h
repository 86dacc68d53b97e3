#pragma once
// A connection to a database through ODBC and the statements run on it: unixODBC natively,
// odbc32 under Windows (Wine forwards it to unixODBC), from one source file. Only the plain
// ANSI entry points are used (SQLDriverConnect, SQLExecDirect): Wine's odbc32 leaves the "A"
// forms unimplemented. Texts pass as the bytes the driver holds (GBK here).
// A failure throws OdbcError with the driver's diagnostic. One thread at a time per object.
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace ruzi::platform {

class OdbcError : public std::runtime_error {
 public:
  explicit OdbcError(const std::string& message) : std::runtime_error(message) {}
};

// What a column holds, by the driver's SQL type.
enum class OdbcKind { Text, SmallInt, Integer, LargeInt, Boolean, Float, Date, Time, DateTime, Binary };

struct OdbcColumn {
  std::string Name;
  OdbcKind Kind = OdbcKind::Text;
  uint64_t Size = 0;  // characters, digits or bytes, as the driver declares
};

class OdbcConnection {
 public:
  OdbcConnection();
  ~OdbcConnection();
  OdbcConnection(const OdbcConnection&) = delete;
  OdbcConnection& operator=(const OdbcConnection&) = delete;

  // Connects by a connection string ("Driver=SQLite3;Database=/path/file.db"); closes a
  // previous connection first.
  void Open(const std::string& connection_string);
  void Close();
  bool IsOpen() const;

 private:
  friend class OdbcStatement;
  struct Handles;
  std::unique_ptr<Handles> handles_;
};

class OdbcStatement {
 public:
  using Cell = std::optional<std::string>;

  // A statement on an open connection; `timeout_seconds` (0: none) bounds each execution.
  OdbcStatement(OdbcConnection& connection, int timeout_seconds);
  ~OdbcStatement();
  OdbcStatement(const OdbcStatement&) = delete;
  OdbcStatement& operator=(const OdbcStatement&) = delete;

  // Runs the text as it is; true when it answers rows (then Columns describes them).
  bool Execute(const std::string& sql);
  const std::vector<OdbcColumn>& Columns() const { return columns_; }
  // Rows the last statement changed (SQLRowCount; -1 when the driver cannot tell).
  int64_t RowCount() const;
  // Appends up to `rows` more rows to `into`; how many came (0 at the end).
  size_t Fetch(size_t rows, std::vector<std::vector<Cell>>& into);

 private:
  Cell ReadCell(int column);

  void* handle_ = nullptr;
  std::vector<OdbcColumn> columns_;
  std::string chunk_;
};

}  // namespace ruzi::platform
