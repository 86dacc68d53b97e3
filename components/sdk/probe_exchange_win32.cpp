// Windows: the probe goes through the middleware's Winsock frame channel.
#include <algorithm>

#include "frame_channel.h"
#include "message_codec.h"
#include "probe_exchange.h"

namespace ruzi::sdk {
namespace {

int MillisecondsLeft(ProbeClock::time_point deadline) {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - ProbeClock::now()).count();
  return static_cast<int>(std::clamp<int64_t>(left, 0, INT32_MAX));
}

int32_t ErrorOf(const mw::FrameChannel& channel) {
  if (channel.ProtocolBroken()) return kProbeBadAnswer;
  switch (channel.Failure()) {
    case mw::NetFailure::Resolve: return kProbeHostNotFound;
    case mw::NetFailure::TimedOut: return kProbeTimedOut;
    case mw::NetFailure::Lost: return kProbeClosed;
    case mw::NetFailure::Refused: return kProbeRefused;
    default: return channel.SystemError() != 0 ? channel.SystemError() : kProbeRefused;
  }
}

}  // namespace

ProbeExchange ExchangeProbe(const std::string& host, uint16_t port, ProbeClock::time_point deadline) {
  ProbeExchange result;
  mw::FrameChannel channel;
  if (!channel.Open(host, port, MillisecondsLeft(deadline))) {
    result.error = ErrorOf(channel);
    return result;
  }
  const auto sent_at = ProbeClock::now();
  if (!channel.Send(mw::ProbeRequest{}, kProbeSequence, MillisecondsLeft(deadline))) {
    result.error = ErrorOf(channel);
    return result;
  }
  result.bytes_sent = mw::EncodeMessage(mw::ProbeRequest{}, kProbeSequence).size();
  auto answer = channel.Receive(MillisecondsLeft(deadline));
  if (!answer) {
    result.error = ProbeClock::now() >= deadline ? kProbeTimedOut : ErrorOf(channel);
    return result;
  }
  result.delay_ms = std::chrono::duration<double, std::milli>(ProbeClock::now() - sent_at).count();
  result.bytes_received = mw::EncodeMessage(answer->message, answer->sequence).size();
  const auto* reply = std::get_if<mw::ProbeReply>(&answer->message);
  if (reply == nullptr || answer->sequence != kProbeSequence) {
    result.error = kProbeBadAnswer;
    return result;
  }
  result.reply = *reply;
  return result;
}

}  // namespace ruzi::sdk
