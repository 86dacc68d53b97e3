#pragma once
// The server's SQLite database: one connection, serialised by a lock, so services running
// on different connection threads never share a statement. Failures throw DatabaseError
// with SQLite's message.
#include <sqlite3.h>

#include <cstdint>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <string_view>

namespace ruzi::mwd {

class DatabaseError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One prepared statement; finalised when it goes.
class Statement {
 public:
  Statement(sqlite3* db, std::string_view sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Statement& Bind(int index, int64_t value);
  Statement& Bind(int index, std::string_view text);
  Statement& BindBlob(int index, std::string_view bytes);
  // Without a copy: the bytes must stay as they are until the statement is reset.
  Statement& BindKept(int index, std::string_view text);
  Statement& BindKeptBlob(int index, std::string_view bytes);
  // True while a row is available.
  bool Step();
  void Reset();
  int64_t Integer(int column) const;
  std::string Text(int column) const;
  int Columns() const;
  std::string ColumnName(int column) const;
  // The column's declared type ("" for an expression) and whether the row's value is NULL.
  std::string DeclaredType(int column) const;
  bool IsNull(int column) const;
  // SQLite's storage class of the row's value (SQLITE_INTEGER ... SQLITE_NULL).
  int StorageClass(int column) const;
  // The 1-based index of parameter ":name", 0 when the text has none.
  int ParameterIndex(const std::string& marker) const;
  // Rows changed by the statement's last run.
  int64_t Changes() const;

 private:
  sqlite3* db_;
  sqlite3_stmt* statement_ = nullptr;
};

// A connection of its own to the server's database, for work that must not hold the shared
// connection: a long read (the audit read back), which under WAL sees committed rows while the
// writer goes on, or the WAL checkpoints. One thread uses it; it closes when it goes.
class DatabaseConnection {
 public:
  enum class Access { ReadOnly, ReadWrite };
  DatabaseConnection(const std::string& path, Access access);
  ~DatabaseConnection();
  DatabaseConnection(const DatabaseConnection&) = delete;
  DatabaseConnection& operator=(const DatabaseConnection&) = delete;

  sqlite3* Get() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

class Database {
 public:
  explicit Database(const std::string& path);
  ~Database();
  Database(const Database&) = delete;
  Database& operator=(const Database&) = delete;

  const std::string& Path() const { return path_; }
  // Runs fn with the connection held by this thread alone.
  template <typename Fn>
  auto With(Fn&& fn) {
    std::lock_guard<std::mutex> guard(lock_);
    return fn(db_);
  }
  static void Exec(sqlite3* db, std::string_view sql);
  // Bytes of the pages in use (the file less its free pages).
  static uint64_t UsedBytes(sqlite3* db);
  // Runs `work` in one immediate transaction: committed when it returns, rolled back when it
  // throws (the exception goes on).
  static void InTransaction(sqlite3* db, const std::function<void()>& work);

 private:
  std::mutex lock_;
  std::string path_;
  sqlite3* db_ = nullptr;
};

}  // namespace ruzi::mwd
