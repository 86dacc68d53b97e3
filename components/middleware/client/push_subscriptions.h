#pragma once
// Push messages within the process: one registered receiver, the topics it subscribed to,
// and pushmsg delivering to it. Our server pushes nothing, so this is the whole of it.
#include <cstdint>
#include <string_view>

namespace ruzi::wsclient {

using PushReceiver = void (*)(const char* topic, const char* data, int32_t length);

// 0, or -1 for a null receiver.
int32_t RegisterPushReceiver(PushReceiver receiver);
// Forgets the receiver and its topics.
void UnregisterPushReceiver();
// 0, or -1 for an empty topic (subscribe) or one not subscribed (unsubscribe).
int32_t SubscribeTopic(std::string_view topic);
int32_t UnsubscribeTopic(std::string_view topic);
// Deliveries made (0 or 1), or -1 for an empty topic or a negative length. The receiver runs
// on the pushing thread, outside every lock of ours.
int32_t PushMessage(std::string_view topic, const char* data, int32_t length);

}  // namespace ruzi::wsclient
