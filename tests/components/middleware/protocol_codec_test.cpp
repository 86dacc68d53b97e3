// The wire codec: exact layout, round trips of random messages through random splits of
// the stream, and refusal of every malformed header and payload.
#include <gtest/gtest.h>

#include <random>

#include "frame_decoder.h"
#include "message_codec.h"
#include "protocol_error.h"
#include "vector_file.h"

namespace ruzi::mw {
namespace {

std::string RandomBytes(std::mt19937& rng, size_t max) {
  std::string text(std::uniform_int_distribution<size_t>(0, max)(rng), '\0');
  for (char& c : text) c = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(rng));
  return text;
}

Message RandomMessage(std::mt19937& rng) {
  auto u32 = [&] { return static_cast<uint32_t>(rng()); };
  switch (rng() % 9) {
    case 0:
      return SignOnRequest{RandomBytes(rng, 40), RandomBytes(rng, 40), RandomBytes(rng, 40), u32()};
    case 1:
      return SignOnReply{u32()};
    case 2:
      return SignOffRequest{};
    case 3:
      return SignOffReply{};
    case 4:
      return CallRequest{static_cast<CallKind>(1 + rng() % 3), RandomBytes(rng, 30), static_cast<int32_t>(u32()),
                         RandomBytes(rng, 8), u32(), u32(), RandomBytes(rng, 20), RandomBytes(rng, rng() % 8 == 0 ? 70000 : 300)};
    case 5:
      return CallReply{static_cast<int32_t>(u32()), RandomBytes(rng, 500), RandomBytes(rng, 60)};
    case 6:
      return ProbeRequest{};
    case 7:
      return ProbeReply{u32(), u32()};
    default:
      return ErrorReply{static_cast<int32_t>(u32()), RandomBytes(rng, 80)};
  }
}

// The layout is shared with the Windows client DLL built from other sources: pin it byte by
// byte, so a change on one side cannot pass unnoticed.
TEST(MiddlewareProtocol, SignOnAndCallFramesHaveTheDocumentedBytes) {
  EXPECT_EQ(EncodeMessage(SignOnRequest{"u", "ab", "", 32}, 7),
            testing::FromHex("1b000000"  // body length 27
            "525a0101"  // "RZ", version 1, type SignOn
            "07000000"  // sequence 7
            "0100000075" "020000006162" "00000000" "20000000"));
  CallRequest call;
  call.kind = CallKind::ById;
  call.number = -2;
  call.buffer_type = "S";
  call.timeout_ms = 30000;
  call.flags = kCallTimeoutOn;
  call.route = "r";
  call.data = std::string("x\0", 2);
  EXPECT_EQ(EncodeMessage(call, 0x01020304),
            testing::FromHex("29000000" "525a0105" "04030201"
            "02" "00000000" "feffffff" "0100000053" "30750000" "01000000" "0100000072" "020000007800"));
}

TEST(MiddlewareProtocol, RandomMessagesSurviveRandomSplitsOfTheStream) {
  std::mt19937 rng(20260105);
  for (int round = 0; round < 60; ++round) {
    std::vector<Message> sent;
    std::string stream;
    int count = 1 + static_cast<int>(rng() % 12);
    for (int i = 0; i < count; ++i) {
      sent.push_back(RandomMessage(rng));
      uint32_t sequence = static_cast<uint32_t>(round * 100 + i);
      // Half the frames go out in two pieces, as the sockets send them.
      EncodedFrame parts = EncodeMessageParts(sent.back(), sequence);
      if (i % 2 == 0) {
        stream += parts.head;
        stream += parts.tail;
      } else {
        stream += EncodeMessage(sent.back(), sequence);
      }
    }
    FrameDecoder decoder;
    std::vector<Message> received;
    size_t at = 0;
    while (at < stream.size()) {
      size_t piece = std::min(stream.size() - at, static_cast<size_t>(1 + rng() % (rng() % 2 ? 7 : 9000)));
      decoder.Feed(stream.data() + at, piece);
      at += piece;
      while (auto frame = decoder.Next()) {
        EXPECT_EQ(frame->sequence, static_cast<uint32_t>(round * 100 + received.size()));
        received.push_back(DecodeMessage(*frame));
      }
    }
    ASSERT_EQ(received.size(), sent.size()) << "round " << round;
    for (size_t i = 0; i < sent.size(); ++i) EXPECT_TRUE(received[i] == sent[i]) << "round " << round << " #" << i;
    EXPECT_EQ(decoder.Pending(), 0u);
  }
}

std::string HeaderWith(uint32_t length, const char* magic, uint8_t version, uint8_t type) {
  std::string frame = EncodeFrame(MessageType::Probe, 0, "");
  for (int i = 0; i < 4; ++i) frame[i] = static_cast<char>(length >> (8 * i));
  frame[4] = magic[0];
  frame[5] = magic[1];
  frame[6] = static_cast<char>(version);
  frame[7] = static_cast<char>(type);
  return frame;
}

// Each bad header is refused as soon as its 12 bytes are in: nothing of the claimed body is
// waited for (an oversized length must not make the reader buffer 4 GB first).
TEST(MiddlewareProtocol, BadHeadersAreRefusedBeforeTheirBody) {
  struct Case {
    const char* fault;
    std::string header;
  } cases[] = {
      {"magic", HeaderWith(8, "ZR", 1, 7)},
      {"version", HeaderWith(8, "RZ", 2, 7)},
      {"type 0", HeaderWith(8, "RZ", 1, 0)},
      {"type 10", HeaderWith(8, "RZ", 1, 10)},
      {"length below header", HeaderWith(7, "RZ", 1, 7)},
      {"length above limit", HeaderWith(1001, "RZ", 1, 7)},
      {"length 4 GB", HeaderWith(0xFFFFFFFFu, "RZ", 1, 7)},
  };
  for (const Case& c : cases) {
    FrameDecoder decoder(1000);
    decoder.Feed(c.header.data(), c.header.size() - 1);
    EXPECT_FALSE(decoder.Next().has_value()) << c.fault;  // 11 bytes: not judged yet
    decoder.Feed(c.header.data() + c.header.size() - 1, 1);
    EXPECT_THROW(decoder.Next(), ProtocolError) << c.fault;
  }
  FrameDecoder at_limit(1000);
  std::string body(1000 - kBodyHeaderBytes, 'b');
  std::string frame = EncodeFrame(MessageType::Error, 1, body);
  at_limit.Feed(frame.data(), frame.size());
  EXPECT_EQ(at_limit.Next()->payload, body);
}

TEST(MiddlewareProtocol, EveryTruncationOrExtensionOfAPayloadIsRefused) {
  CallRequest call;
  call.service = "demo_echo";
  call.buffer_type = "STRING";
  call.route = "route";
  call.data = "abc";
  std::string payload = EncodePayload(call);
  for (size_t cut = 0; cut < payload.size(); ++cut) {
    EXPECT_THROW(DecodeMessage(Frame{MessageType::Call, 1, payload.substr(0, cut)}), ProtocolError) << cut;
  }
  EXPECT_THROW(DecodeMessage(Frame{MessageType::Call, 1, payload + "x"}), ProtocolError);
  EXPECT_THROW(DecodeMessage(Frame{MessageType::SignOff, 1, "x"}), ProtocolError);
  std::string bad_kind = payload;
  bad_kind[0] = 4;
  EXPECT_THROW(DecodeMessage(Frame{MessageType::Call, 1, bad_kind}), ProtocolError);
  // A string length pointing past the end (service length 0xFFFFFFFF).
  std::string long_string = payload;
  for (int i = 1; i <= 4; ++i) long_string[i] = '\xFF';
  EXPECT_THROW(DecodeMessage(Frame{MessageType::Call, 1, long_string}), ProtocolError);
  EXPECT_TRUE(DecodeMessage(Frame{MessageType::Call, 1, payload}) == Message(call));
}

}  // namespace
}  // namespace ruzi::mw
