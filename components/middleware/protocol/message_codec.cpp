#include "message_codec.h"

#include "protocol_error.h"
#include "wire_reader.h"
#include "wire_writer.h"

namespace ruzi::mw {
namespace {

// With `tail` set, the bytes of a message's last data item are not written, only their
// length; *tail is pointed at them instead.
struct PayloadWriter {
  WireWriter& w;
  std::string_view* tail = nullptr;
  void Data(std::string_view bytes) const {
    if (tail == nullptr) {
      w.Bytes(bytes);
      return;
    }
    w.U32(static_cast<uint32_t>(bytes.size()));
    *tail = bytes;
  }
  void operator()(const SignOnRequest& m) const {
    w.Bytes(m.user);
    w.Bytes(m.client);
    w.Bytes(m.password);
    w.U32(m.flags);
  }
  void operator()(const SignOnReply& m) const { w.U32(m.session_id); }
  void operator()(const SignOffRequest&) const {}
  void operator()(const SignOffReply&) const {}
  void operator()(const CallRequest& m) const {
    w.U8(static_cast<uint8_t>(m.kind));
    w.Bytes(m.service);
    w.I32(m.number);
    w.Bytes(m.buffer_type);
    w.U32(m.timeout_ms);
    w.U32(m.flags);
    w.Bytes(m.route);
    Data(m.data);
  }
  void operator()(const CallReply& m) const {
    w.I32(m.user_code);
    w.Bytes(m.message);
    Data(m.data);
  }
  void operator()(const ProbeRequest&) const {}
  void operator()(const ProbeReply& m) const {
    w.U32(m.session_count);
    w.U32(m.calls_in_progress);
  }
  void operator()(const ErrorReply& m) const {
    w.I32(m.error_number);
    w.Bytes(m.text);
  }
};

CallKind ReadCallKind(WireReader& r) {
  uint8_t kind = r.U8("call kind");
  if (kind < static_cast<uint8_t>(CallKind::ByName) || kind > static_cast<uint8_t>(CallKind::ByFunction)) {
    throw ProtocolError("unknown call kind");
  }
  return static_cast<CallKind>(kind);
}

Message ReadPayload(MessageType type, WireReader& r) {
  switch (type) {
    case MessageType::SignOn: {
      SignOnRequest m;
      m.user = r.Bytes("user");
      m.client = r.Bytes("client");
      m.password = r.Bytes("password");
      m.flags = r.U32("flags");
      return m;
    }
    case MessageType::SignOnOk:
      return SignOnReply{r.U32("session id")};
    case MessageType::SignOff:
      return SignOffRequest{};
    case MessageType::SignOffOk:
      return SignOffReply{};
    case MessageType::Call: {
      CallRequest m;
      m.kind = ReadCallKind(r);
      m.service = r.Bytes("service");
      m.number = r.I32("number");
      m.buffer_type = r.Bytes("buffer type");
      m.timeout_ms = r.U32("time-out");
      m.flags = r.U32("flags");
      m.route = r.Bytes("route");
      m.data = r.Bytes("data");
      return m;
    }
    case MessageType::CallOk: {
      CallReply m;
      m.user_code = r.I32("user code");
      m.message = r.Bytes("message");
      m.data = r.Bytes("data");
      return m;
    }
    case MessageType::Probe:
      return ProbeRequest{};
    case MessageType::ProbeOk: {
      ProbeReply m;
      m.session_count = r.U32("session count");
      m.calls_in_progress = r.U32("calls in progress");
      return m;
    }
    case MessageType::Error: {
      ErrorReply m;
      m.error_number = r.I32("error number");
      m.text = r.Bytes("text");
      return m;
    }
  }
  throw ProtocolError("unknown message type");
}

}  // namespace

MessageType TypeOf(const Message& message) {
  // The variant's alternatives are declared in the order of the type numbers.
  return static_cast<MessageType>(message.index() + 1);
}

std::string EncodePayload(const Message& message) {
  std::string out;
  WireWriter writer(out);
  std::visit(PayloadWriter{writer}, message);
  return out;
}

EncodedFrame EncodeMessageParts(const Message& message, uint32_t sequence) {
  // Header first, payload written in place, length patched last.
  EncodedFrame frame;
  frame.head = EncodeFrame(TypeOf(message), sequence, {});
  WireWriter writer(frame.head);
  std::visit(PayloadWriter{writer, &frame.tail}, message);
  std::string length;
  WireWriter(length).U32(static_cast<uint32_t>(frame.head.size() + frame.tail.size() - kLengthFieldBytes));
  frame.head.replace(0, kLengthFieldBytes, length);
  return frame;
}

std::string EncodeMessage(const Message& message, uint32_t sequence) {
  EncodedFrame parts = EncodeMessageParts(message, sequence);
  parts.head.append(parts.tail);
  return std::move(parts.head);
}

Message DecodeMessage(const Frame& frame) {
  WireReader reader(frame.payload);
  Message message = ReadPayload(frame.type, reader);
  reader.ExpectEnd();
  return message;
}

}  // namespace ruzi::mw
