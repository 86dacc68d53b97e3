#include "push_subscriptions.h"

#include <mutex>
#include <set>
#include <string>

#include "slim_lock.h"

namespace ruzi::wsclient {
namespace {

struct Subscriptions {
  SlimLock lock;
  PushReceiver receiver = nullptr;
  std::set<std::string, std::less<>> topics;
};

Subscriptions& Shared() {
  static Subscriptions subscriptions;
  return subscriptions;
}

}  // namespace

int32_t RegisterPushReceiver(PushReceiver receiver) {
  if (receiver == nullptr) return -1;
  std::lock_guard<SlimLock> guard(Shared().lock);
  Shared().receiver = receiver;
  return 0;
}

void UnregisterPushReceiver() {
  std::lock_guard<SlimLock> guard(Shared().lock);
  Shared().receiver = nullptr;
  Shared().topics.clear();
}

int32_t SubscribeTopic(std::string_view topic) {
  if (topic.empty()) return -1;
  std::lock_guard<SlimLock> guard(Shared().lock);
  Shared().topics.emplace(topic);
  return 0;
}

int32_t UnsubscribeTopic(std::string_view topic) {
  std::lock_guard<SlimLock> guard(Shared().lock);
  auto found = Shared().topics.find(topic);
  if (found == Shared().topics.end()) return -1;
  Shared().topics.erase(found);
  return 0;
}

int32_t PushMessage(std::string_view topic, const char* data, int32_t length) {
  if (topic.empty() || length < 0 || (data == nullptr && length > 0)) return -1;
  PushReceiver receiver = nullptr;
  {
    std::lock_guard<SlimLock> guard(Shared().lock);
    if (Shared().topics.count(topic) != 0) receiver = Shared().receiver;
  }
  if (receiver == nullptr) return 0;
  std::string topic_text(topic);
  receiver(topic_text.c_str(), data, length);
  return 1;
}

}  // namespace ruzi::wsclient
