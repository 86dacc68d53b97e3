#pragma once
// A database connection for ADO query datasets, made through ODBC by a connection string
// ("Driver=SQLite3;Database=/path/file.db"). Open raises ruzi::Error with the driver's message.
// One thread at a time; the queries that use it must go before it.
#include <memory>
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/component.h"

namespace ruzi {

namespace platform {
class OdbcConnection;
}

class RUZI_API TADOConnection : public TComponent {
  RUZI_CLASS_RECORD(TADOConnection, TComponent::ClassRecord())

 public:
  explicit TADOConnection(TComponent* owner = nullptr);
  ~TADOConnection() override;

  const std::string& GetConnectionString() const { return connection_string_; }
  // A new text closes an open connection.
  void SetConnectionString(const std::string& text);
  void Open();
  void Close();
  bool GetConnected() const;

  // The driver connection the queries run on, opened first when closed.
  platform::OdbcConnection& Odbc();

 private:
  std::string connection_string_;
  std::unique_ptr<platform::OdbcConnection> odbc_;
};

}  // namespace ruzi
