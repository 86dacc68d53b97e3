#include "server_probe.h"

#include <atomic>
#include <charconv>

namespace ruzi::sdk {
namespace {

std::atomic<uint64_t> sent_bytes{0};
std::atomic<uint64_t> received_bytes{0};

bool PortNumber(const std::string& text, uint16_t& port) {
  unsigned value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value == 0 || value > 65535) return false;
  port = static_cast<uint16_t>(value);
  return true;
}

}  // namespace

ServerSpeed ProbeServer(const std::string& address, const std::string& port, ProbeClock::time_point deadline) {
  ServerSpeed speed;
  uint16_t number = 0;
  if (address.empty() || !PortNumber(port, number)) {
    speed.last_error = kProbeBadAddress;
    return speed;
  }
  ProbeExchange exchange = ExchangeProbe(address, number, deadline);
  sent_bytes.fetch_add(exchange.bytes_sent, std::memory_order_relaxed);
  received_bytes.fetch_add(exchange.bytes_received, std::memory_order_relaxed);
  speed.last_error = exchange.error;
  if (exchange.error == 0) {
    speed.conn_count = static_cast<int32_t>(exchange.reply.session_count);
    speed.net_delay = exchange.delay_ms;
  }
  return speed;
}

void ProbeTraffic(uint64_t& sent, uint64_t& received) {
  sent = sent_bytes.load();
  received = received_bytes.load();
}

void ResetProbeTraffic() {
  sent_bytes.store(0);
  received_bytes.store(0);
}

}  // namespace ruzi::sdk
