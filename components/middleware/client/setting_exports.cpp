// Environment, route, security and proxy settings, push messages.
#include <string>
#include <string_view>

#include "atmi_constants.h"
#include "call_errors.h"
#include "platform/environment.h"
#include "platform/thread_slot.h"
#include "process_settings.h"
#include "wtuxws32.h"

using namespace ruzi::wsclient;

extern "C" {

char* tuxgetenv(const char* name) {
  static ruzi::platform::ThreadSlot<std::string> kept;
  if (name == nullptr) return nullptr;
  std::optional<std::string> found = ruzi::platform::FindEnvironment(name);
  if (!found) return nullptr;
  std::string& value = kept.Get();
  value = std::move(*found);
  return value.data();
}

int32_t tuxputenv(const char* assignment) {
  if (assignment == nullptr) return -1;
  std::string_view text(assignment);
  size_t equals = text.find('=');
  if (equals == std::string_view::npos || equals == 0) return -1;
  return ruzi::platform::SetEnvironment(text.substr(0, equals), text.substr(equals + 1)) ? 0 : -1;
}

int32_t tpsetroutername(const char* name) {
  SetRouteName(name != nullptr ? name : "");
  return 0;
}

int32_t setsafecfgnewEx(const char* config) {
  SetSecurityConfig(config != nullptr ? config : "");
  return 0;
}

int32_t setproxy(const char* address) {
  SetProxy(address != nullptr ? address : "");
  return 0;
}

int32_t regpushclient(PushReceiver receiver) { return RegisterPushReceiver(receiver); }

int32_t unregpushclient() {
  UnregisterPushReceiver();
  return 0;
}

int32_t subscribe(const char* topic) { return topic == nullptr ? -1 : SubscribeTopic(topic); }

int32_t unsubscribe(const char* topic) { return topic == nullptr ? -1 : UnsubscribeTopic(topic); }

int32_t pushmsg(const char* topic, const char* data, int32_t length) {
  return topic == nullptr ? -1 : PushMessage(topic, data, length);
}

}  // extern "C"
