#include "process_settings.h"

#include <mutex>

#include "slim_lock.h"

namespace ruzi::wsclient {
namespace {

struct Settings {
  SlimLock lock;
  std::string route;
  std::string security;
  std::string proxy;
};

Settings& Shared() {
  static Settings settings;
  return settings;
}

void Store(std::string Settings::*field, std::string_view value) {
  std::lock_guard<SlimLock> guard(Shared().lock);
  (Shared().*field).assign(value);
}

std::string Load(std::string Settings::*field) {
  std::lock_guard<SlimLock> guard(Shared().lock);
  return Shared().*field;
}

}  // namespace

void SetRouteName(std::string_view name) { Store(&Settings::route, name); }
std::string RouteName() { return Load(&Settings::route); }
void SetSecurityConfig(std::string_view text) { Store(&Settings::security, text); }
std::string SecurityConfig() { return Load(&Settings::security); }
void SetProxy(std::string_view address) { Store(&Settings::proxy, address); }
std::string Proxy() { return Load(&Settings::proxy); }

}  // namespace ruzi::wsclient
