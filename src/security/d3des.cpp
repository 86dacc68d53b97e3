#include "security/d3des.h"

#include <cstring>
#include <utility>

#include "security/byte_order.h"

namespace ruzi {
namespace {

struct DesEngine {
  DesSchedule pass[3];
};

DesEngine& Engine() {
  static DesEngine engine{};
  return engine;
}

void RunPass(const DesSchedule& schedule, uint32_t words[4]) {
  DesCryptHalves(schedule, words[0], words[1]);
  DesCryptHalves(schedule, words[2], words[3]);
}

}  // namespace

const unsigned char kDesDefaultKey[24] = {0xea, 0x5e, 0xe9, 0xfe, 0xc5, 0x99, 0x38, 0xbf,
                                          0x1d, 0xa4, 0x86, 0x05, 0xc4, 0x20, 0x7a, 0x9d,
                                          0x6c, 0x21, 0x5c, 0xfc, 0x8e, 0xcd, 0x49, 0xc0};

std::recursive_mutex& DesEngineLock() {
  static std::recursive_mutex lock;
  return lock;
}

void deskey(const unsigned char key[8], int mode) { MakeDesSchedule(key, mode, Engine().pass[0]); }

void des2key(const unsigned char key[16], int mode) {
  DesEngine& engine = Engine();
  MakeDesSchedule(key, mode, engine.pass[0]);
  MakeDesSchedule(key + 8, mode == EN0 ? DE1 : EN0, engine.pass[1]);
  engine.pass[2] = engine.pass[0];
}

void D2des(const unsigned char in[16], unsigned char out[16]) {
  const DesEngine& engine = Engine();
  uint32_t w[4];
  for (int i = 0; i < 4; ++i) w[i] = LoadBigEndian32(in + 4 * i);
  RunPass(engine.pass[0], w);
  std::swap(w[1], w[2]);
  RunPass(engine.pass[1], w);
  std::swap(w[1], w[2]);
  RunPass(engine.pass[2], w);
  for (int i = 0; i < 4; ++i) StoreBigEndian32(out + 4 * i, w[i]);
}

void cookey(uint32_t into[96]) { std::memcpy(into, Engine().pass, sizeof(DesSchedule) * 3); }

void use3key(const uint32_t from[96]) { std::memcpy(Engine().pass, from, sizeof(DesSchedule) * 3); }

void useDkey(const uint32_t from[64]) {
  DesEngine& engine = Engine();
  std::memcpy(engine.pass, from, sizeof(DesSchedule) * 2);
  engine.pass[2] = engine.pass[0];
}

void cusekey(const uint32_t from[32]) { std::memcpy(Engine().pass[0].words, from, sizeof(DesSchedule)); }

}  // namespace ruzi
