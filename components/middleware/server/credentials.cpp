#include "credentials.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

namespace ruzi::mwd {

Credentials Credentials::FromFile(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read credentials file " + path);
  Credentials credentials;
  credentials.open_ = false;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.find_first_not_of(" \t") == std::string::npos || line[line.find_first_not_of(" \t")] == '#') continue;
    std::istringstream fields(line);
    std::string role, user, password, extra;
    fields >> role >> user >> password >> extra;
    Role parsed = role == "administrator" ? Role::Administrator : role == "operator" ? Role::Operator : Role::None;
    if (parsed == Role::None || password.empty() || !extra.empty()) {
      throw std::runtime_error(path + ":" + std::to_string(number) +
                               ": expected \"administrator|operator USER PASSWORD\"");
    }
    credentials.users_[user] = Entry{parsed, password};
  }
  return credentials;
}

Credentials Credentials::SharedPassword(const std::string& password) {
  Credentials credentials;
  credentials.open_ = false;
  credentials.shared_password_ = password;
  return credentials;
}

Role Credentials::Check(const std::string& user, const std::string& password) const {
  if (open_) return Role::Administrator;
  if (!shared_password_.empty()) return password == shared_password_ ? Role::Administrator : Role::None;
  auto it = users_.find(user);
  if (it == users_.end() || it->second.password != password) return Role::None;
  return it->second.role;
}

const char* RoleName(Role role) {
  switch (role) {
    case Role::Operator:
      return "operator";
    case Role::Administrator:
      return "administrator";
    case Role::None:
      break;
  }
  return "none";
}

}  // namespace ruzi::mwd
