#include "query/ado_connection.h"

#include "foundation/error.h"
#include "platform/odbc.h"

namespace ruzi {

TADOConnection::TADOConnection(TComponent* owner)
    : TComponent(owner), odbc_(std::make_unique<platform::OdbcConnection>()) {}

TADOConnection::~TADOConnection() = default;

void TADOConnection::SetConnectionString(const std::string& text) {
  Close();
  connection_string_ = text;
}

void TADOConnection::Open() {
  if (odbc_->IsOpen()) return;
  try {
    odbc_->Open(connection_string_);
  } catch (const platform::OdbcError& error) {
    throw Error(error.what());
  }
}

void TADOConnection::Close() { odbc_->Close(); }

bool TADOConnection::GetConnected() const { return odbc_->IsOpen(); }

platform::OdbcConnection& TADOConnection::Odbc() {
  Open();
  return *odbc_;
}

}  // namespace ruzi
