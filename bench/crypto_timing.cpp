// One password through the facade under Wine, the user's registry switch read on every call
// (etNone): qxEncryptEx and qxDecryptEx with the DES password cipher (this executable does not
// export GetIsUseSM) and with SM4. Median and 99th percentile per call, beside the registry read
// alone (the raw baseline of the same run). Native figures come from crypto_bench.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "latency_figures.h"
#include "security/encrypt_public.h"
#include "security/encrypt_switches.h"

namespace {

using Figures = ruzi::bench::LatencyFigures;
using ruzi::bench::Measure;

}  // namespace

int main() {
  constexpr int kCalls = 20000;
  const std::string des_text = ruzi::qxEncryptEx(1, "key", "password", ruzi::etEncrypt);
  const std::string sm4_text = ruzi::EncryptSM4(1, "key", "password", ruzi::etEncrypt);
  volatile bool sink = false;
  struct Row {
    const char* name;
    std::function<void()> call;
  };
  const Row rows[] = {
      {"registry switch alone (baseline)", [&] { sink = ruzi::CheckDisableEncrypt(); }},
      {"qxEncryptEx 3DES", [&] { sink = ruzi::qxEncryptEx(1, "key", "password", ruzi::etNone).empty(); }},
      {"qxDecryptEx 3DES", [&] { sink = ruzi::qxDecryptEx(1, "key", des_text, ruzi::etNone).empty(); }},
      {"EncryptSM4", [&] { sink = ruzi::EncryptSM4(1, "key", "password", ruzi::etNone).empty(); }},
      {"qxDecryptEx SM4", [&] { sink = ruzi::qxDecryptEx(1, "key", sm4_text, ruzi::etNone).empty(); }},
  };
  std::printf("%-34s %10s %10s\n", "call (etNone, registry read)", "median us", "p99 us");
  for (const Row& row : rows) {
    const Figures figures = Measure(kCalls, row.call);
    std::printf("%-34s %10.2f %10.2f\n", row.name, figures.median_us, figures.p99_us);
  }
  return sink ? 0 : 0;
}
