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
  auto text = [&](size_t max) { return RandomBytes(rng, max); };
  switch (rng() % 9) {
    case 0: return SignOnRequest{text(40), text(40), text(40), u32()};
    case 1: return SignOnReply{u32()};
    case 2: return SignOffRequest{};
    case 3: return SignOffReply{};
    case 4: return CallRequest{static_cast<CallKind>(1 + rng() % 3), text(30), static_cast<int32_t>(u32()), text(8),
                               u32(), u32(), text(20), text(rng() % 8 == 0 ? 70000 : 300)};
    case 5: return CallReply{static_cast<int32_t>(u32()), text(500), text(60)};
    case 6: return ProbeRequest{};
    case 7: return ProbeReply{u32(), u32()};
    default: return ErrorReply{static_cast<int32_t>(u32()), text(80)};
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
  const CallRequest call{CallKind::ById, "", -2, "S", 30000, kCallTimeoutOn, "r", std::string("x\0", 2)};
  EXPECT_EQ(EncodeMessage(call, 0x01020304),
            testing::FromHex("29000000" "525a0105" "04030201"
            "02" "00000000" "feffffff" "0100000053" "30750000" "01000000" "0100000072" "020000007800"));
}

TEST(MiddlewareProtocol, RandomMessagesSurviveRandomSplitsOfTheStream) {
  std::mt19937 rng(20260105);
  for (int round = 0; round < 60; ++round) {
    std::vector<Message> sent;
    std::string stream;
    for (int i = 0, count = 1 + static_cast<int>(rng() % 12); i < count; ++i) {
      sent.push_back(RandomMessage(rng));
      const auto sequence = static_cast<uint32_t>(round * 100 + i);
      // Half the frames go out in two pieces, as the sockets send them.
      const EncodedFrame parts = EncodeMessageParts(sent.back(), sequence);
      stream += i % 2 == 0 ? parts.head + std::string(parts.tail) : EncodeMessage(sent.back(), sequence);
    }
    FrameDecoder decoder;
    std::vector<Message> received;
    for (size_t at = 0, piece; at < stream.size(); at += piece) {
      piece = std::min(stream.size() - at, static_cast<size_t>(1 + rng() % (rng() % 2 ? 7 : 9000)));
      decoder.Feed(stream.data() + at, piece);
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

// Each bad header of tests/data/mw_frames.txt is refused as soon as its 12 bytes are in: nothing
// of the claimed body is waited for (an oversized length must not make the reader buffer 4 GB first).
TEST(MiddlewareProtocol, BadHeadersAreRefusedBeforeTheirBody) {
  for (const testing::VectorCase& c : testing::ReadVectors("mw_frames.txt")) {
    std::string hex = c[1];
    std::erase(hex, ' ');
    const std::string header = testing::FromHex(hex);
    ASSERT_EQ(header.size(), kFrameHeaderBytes) << c[0];
    FrameDecoder decoder(1000);
    decoder.Feed(header.data(), header.size() - 1);
    EXPECT_FALSE(decoder.Next().has_value()) << c[0];  // 11 bytes: not judged yet
    decoder.Feed(header.data() + header.size() - 1, 1);
    EXPECT_THROW(decoder.Next(), ProtocolError) << c[0];
  }
  FrameDecoder at_limit(1000);
  const std::string body(1000 - kBodyHeaderBytes, 'b');
  const std::string frame = EncodeFrame(MessageType::Error, 1, body);
  at_limit.Feed(frame.data(), frame.size());
  EXPECT_EQ(at_limit.Next()->payload, body);
}

TEST(MiddlewareProtocol, EveryTruncationOrExtensionOfAPayloadIsRefused) {
  const CallRequest call{CallKind::ByName, "demo_echo", 0, "STRING", 0, 0, "route", "abc"};
  const std::string payload = EncodePayload(call);
  std::string bad_kind = payload, long_string = payload;
  bad_kind[0] = 4;
  long_string.replace(1, 4, "\xFF\xFF\xFF\xFF");  // the service's length points past the end
  std::vector<std::pair<MessageType, std::string>> refused = {
      {MessageType::Call, payload + "x"}, {MessageType::SignOff, "x"}, {MessageType::Call, bad_kind}, {MessageType::Call, long_string}};
  for (size_t cut = 0; cut < payload.size(); ++cut) refused.emplace_back(MessageType::Call, payload.substr(0, cut));
  for (const auto& [type, bytes] : refused) EXPECT_THROW(DecodeMessage(Frame{type, 1, bytes}), ProtocolError) << bytes.size();
  EXPECT_TRUE(DecodeMessage(Frame{MessageType::Call, 1, payload}) == Message(call));
}

}  // namespace
}  // namespace ruzi::mw
