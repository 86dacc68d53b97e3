#pragma once
// Services by name, by numeric service id and by function number: three separate spaces,
// since a number may name a service in one and a function in the other.
#include <cstdint>
#include <map>
#include <string>

#include "messages.h"
#include "service.h"

namespace ruzi::mwd {

class ServiceRegistry {
 public:
  void AddName(const std::string& name, ServiceHandler handler) { by_name_[name] = std::move(handler); }
  void AddId(int32_t id, ServiceHandler handler) { by_id_[id] = std::move(handler); }
  void AddFunction(int32_t number, ServiceHandler handler) { by_function_[number] = std::move(handler); }
  // nullptr when nothing is registered for the call.
  const ServiceHandler* Find(const mw::CallRequest& request) const;

 private:
  std::map<std::string, ServiceHandler> by_name_;
  std::map<int32_t, ServiceHandler> by_id_;
  std::map<int32_t, ServiceHandler> by_function_;
};

}  // namespace ruzi::mwd
