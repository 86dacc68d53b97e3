#include "service_reply.h"

#include <stdexcept>

#include "library_session.h"
#include "packets/tagged_package.h"
#include "service/call_service.h"

namespace ruzi::cli {

std::string Ask(const std::string& service, const std::string& request) {
  std::string output;
  int32_t result;
  {
    LibrarySession session;
    result = CallService(service, request, output, 30000, false, true);
  }
  if (result != 0) throw std::runtime_error(service + ": " + output);
  return output;
}

std::string Item(const std::string& reply, const char* name) {
  std::string value;
  TqxPackage(reply).GetItem(name, value);
  return value;
}

std::string Tag(const char* name, const std::string& value) {
  return value.empty() ? std::string() : "<" + std::string(name) + ">" + value + "</" + name + ">";
}

}  // namespace ruzi::cli
