#pragma once
// Who may sign on, and as what. A site lists its users in a credentials file (named by
// --credentials or RUZI_MWD_CREDENTIALS, never given on the command line, where `ps` shows it):
//   administrator USER PASSWORD
//   operator USER PASSWORD
//   operator *
// '#' starts a comment. USER "*" stands for any user name the file does not list (the
// library signs on as "pid:program", so a password alone must be able to name a role);
// "operator *" without a password lets anyone else on as an operator. An operator calls the
// business and demo services; an administrator may also set system parameters and read and
// prune the audit trail. Without a file the server is closed to administrators: every
// sign-on is an operator, as with a file holding only "operator *".
#include <string>
#include <unordered_map>
#include <vector>

namespace ruzi::mwd {

enum class Role { None, Operator, Administrator };

class Credentials {
 public:
  // Throws std::runtime_error naming the file and line of a malformed entry.
  static Credentials FromFile(const std::string& path);
  // No file: everyone an operator, nobody an administrator.
  static Credentials Default();

  // True when a sign-on with any user and password gets at least an operator's role.
  bool AnyoneIsOperator() const { return anyone_operator_; }
  bool HasAdministrator() const { return has_administrator_; }
  // Role::None: refused.
  Role Check(const std::string& user, const std::string& password) const;

 private:
  struct Entry {
    Role role;
    std::string password;
  };
  std::unordered_map<std::string, Entry> users_;
  std::vector<Entry> any_user_;  // USER "*" with a password, administrators first
  bool anyone_operator_ = false;
  bool has_administrator_ = false;
};

const char* RoleName(Role role);

}  // namespace ruzi::mwd
