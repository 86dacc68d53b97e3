#pragma once
// Who may sign on, and as what. A site lists its users in a credentials file (never on the
// command line, where `ps` shows it): one "administrator USER PASSWORD" or "operator USER
// PASSWORD" per line, '#' starting a comment. An operator calls the business services; an
// administrator may also set system parameters, read and prune the audit trail and call
// the demo services. With no file and no --password the server is open: every sign-on is an
// administrator (development and tests only; the log says so at start).
#include <map>
#include <string>

namespace ruzi::mwd {

enum class Role { None, Operator, Administrator };

class Credentials {
 public:
  // Throws std::runtime_error naming the file and line of a malformed entry.
  static Credentials FromFile(const std::string& path);
  // The old single shared password: whoever knows it is an administrator.
  static Credentials SharedPassword(const std::string& password);
  static Credentials Open() { return Credentials(); }

  bool IsOpen() const { return open_; }
  // Role::None: refused.
  Role Check(const std::string& user, const std::string& password) const;

 private:
  struct Entry {
    Role role;
    std::string password;
  };
  bool open_ = true;
  std::string shared_password_;
  std::map<std::string, Entry> users_;
};

const char* RoleName(Role role);

}  // namespace ruzi::mwd
