#pragma once
// Services by name, by numeric service id and by function number: three separate spaces,
// since a number may name a service in one and a function in the other.
#include <cstdint>
#include <map>
#include <string>

#include "credentials.h"
#include "messages.h"
#include "service.h"

namespace ruzi::mwd {

// A service and the least role that may call it.
struct RegisteredService {
  ServiceHandler handler;
  Role role = Role::Operator;
};

class ServiceRegistry {
 public:
  // The role the services added from now on require (Role::Operator at first).
  void AddingFor(Role role) { adding_role_ = role; }
  void AddName(const std::string& name, ServiceHandler handler) { by_name_[name] = {std::move(handler), adding_role_}; }
  void AddId(int32_t id, ServiceHandler handler) { by_id_[id] = {std::move(handler), adding_role_}; }
  void AddFunction(int32_t number, ServiceHandler handler) {
    by_function_[number] = {std::move(handler), adding_role_};
  }
  // nullptr when nothing is registered for the call.
  const RegisteredService* Find(const mw::CallRequest& request) const;

 private:
  Role adding_role_ = Role::Operator;
  std::map<std::string, RegisteredService> by_name_;
  std::map<int32_t, RegisteredService> by_id_;
  std::map<int32_t, RegisteredService> by_function_;
};

}  // namespace ruzi::mwd
