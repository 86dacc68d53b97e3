#include "credentials.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <stdexcept>

namespace ruzi::mwd {
namespace {

// Compares every byte whatever the first difference, so the time taken does not tell a
// guesser how much of a password was right.
bool SamePassword(const std::string& given, const std::string& stored) {
  unsigned char difference = given.size() == stored.size() ? 0 : 1;
  for (size_t i = 0; i < stored.size(); ++i) {
    difference |= static_cast<unsigned char>(stored[i] ^ (i < given.size() ? given[i] : 0));
  }
  return difference == 0;
}

}  // namespace

Credentials Credentials::FromFile(const std::string& path) {
  std::ifstream in(path);
  if (!in) throw std::runtime_error("cannot read credentials file " + path);
  Credentials credentials;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t first = line.find_first_not_of(" \t");
    if (first == std::string::npos || line[first] == '#') continue;
    std::istringstream fields(line);
    std::string role, user, password, extra;
    fields >> role >> user >> password >> extra;
    Role parsed = role == "administrator" ? Role::Administrator : role == "operator" ? Role::Operator : Role::None;
    bool anyone = parsed == Role::Operator && user == "*" && password.empty();
    if (parsed == Role::None || user.empty() || (password.empty() && !anyone) || !extra.empty()) {
      throw std::runtime_error(path + ":" + std::to_string(number) +
                               ": expected \"administrator|operator USER PASSWORD\" or \"operator *\"");
    }
    credentials.has_administrator_ = credentials.has_administrator_ || parsed == Role::Administrator;
    if (anyone) {
      credentials.anyone_operator_ = true;
    } else if (user == "*") {
      credentials.any_user_.push_back(Entry{parsed, password});
    } else {
      credentials.users_[user] = Entry{parsed, password};
    }
  }
  // The strongest role a password opens wins.
  std::stable_sort(credentials.any_user_.begin(), credentials.any_user_.end(),
                   [](const Entry& a, const Entry& b) { return a.role > b.role; });
  return credentials;
}

Credentials Credentials::Default() {
  Credentials credentials;
  credentials.anyone_operator_ = true;
  return credentials;
}

Role Credentials::Check(const std::string& user, const std::string& password) const {
  // A listed user is held to the user's own password: no falling back to "anyone".
  if (auto it = users_.find(user); it != users_.end()) {
    return SamePassword(password, it->second.password) ? it->second.role : Role::None;
  }
  for (const Entry& entry : any_user_) {
    if (SamePassword(password, entry.password)) return entry.role;
  }
  return anyone_operator_ ? Role::Operator : Role::None;
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
