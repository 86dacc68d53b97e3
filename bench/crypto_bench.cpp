// SM4-ECB, SM3, DES and the two-key double-block DES beside OpenSSL's EVP (the reference) at
// 16 B, 1 KiB and 16 KiB, keys set up outside the timed loop on both sides. After the runs the
// ratio ours / OpenSSL of the throughput is printed for each pair (goal: at least 0.8).
#include <benchmark/benchmark.h>
#include <openssl/evp.h>
#include <openssl/provider.h>

#include <cstdio>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "security/d3des.h"
#include "security/des_block.h"
#include "security/encrypt_public.h"
#include "security/sm3.h"
#include "security/sm4.h"

namespace {

const unsigned char kKey[24] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};

std::vector<unsigned char> Buffer(benchmark::State& state) {
  std::vector<unsigned char> data(static_cast<size_t>(state.range(0)));
  for (size_t i = 0; i < data.size(); ++i) data[i] = static_cast<unsigned char>(i * 131 + 7);
  return data;
}

void Finish(benchmark::State& state) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0));
}

void OpenSslCipher(benchmark::State& state, const char* name) {
  EVP_CIPHER* cipher = EVP_CIPHER_fetch(nullptr, name, nullptr);
  if (cipher == nullptr) {
    state.SkipWithError("cipher not available");
    return;
  }
  EVP_CIPHER_CTX* context = EVP_CIPHER_CTX_new();
  EVP_EncryptInit_ex2(context, cipher, kKey, nullptr, nullptr);
  EVP_CIPHER_CTX_set_padding(context, 0);
  std::vector<unsigned char> data = Buffer(state);
  std::vector<unsigned char> out(data.size());
  int written = 0;
  for (auto _ : state) {
    EVP_EncryptUpdate(context, out.data(), &written, data.data(), static_cast<int>(data.size()));
    benchmark::DoNotOptimize(out.data());
  }
  EVP_CIPHER_CTX_free(context);
  EVP_CIPHER_free(cipher);
  Finish(state);
}

// Our cipher over the buffer, block by block, with its key set up beforehand.
template <size_t kBlock, typename Cipher>
void RunBlocks(benchmark::State& state, Cipher cipher) {
  std::vector<unsigned char> data = Buffer(state);
  std::vector<unsigned char> out(data.size());
  for (auto _ : state) {
    for (size_t at = 0; at < data.size(); at += kBlock) cipher(data.data() + at, out.data() + at);
    benchmark::DoNotOptimize(out.data());
  }
  Finish(state);
}

void Sm4Ours(benchmark::State& state) {
  ruzi::Sm4RoundKeys keys;
  ruzi::Sm4ExpandKey(kKey, ruzi::Sm4Direction::Encipher, keys);
  RunBlocks<16>(state, [&keys](const unsigned char* in, unsigned char* out) { ruzi::Sm4CryptBlock(keys, in, out); });
}

void DesOurs(benchmark::State& state) {
  ruzi::DesSchedule schedule;
  ruzi::MakeDesSchedule(kKey, ruzi::EN0, schedule);
  RunBlocks<8>(state, [&schedule](const unsigned char* in, unsigned char* out) {
    ruzi::DesCryptBlock(schedule, in, out);
  });
}

void TwoKeyDesOurs(benchmark::State& state) {
  std::lock_guard guard(ruzi::DesEngineLock());
  ruzi::des2key(kKey, ruzi::EN0);
  RunBlocks<16>(state, [](const unsigned char* in, unsigned char* out) { ruzi::D2des(in, out); });
}

void Sm3Ours(benchmark::State& state) {
  std::vector<unsigned char> data = Buffer(state);
  unsigned char digest[32];
  for (auto _ : state) {
    ruzi::Sm3Hash(data.data(), data.size(), digest);
    benchmark::DoNotOptimize(digest);
  }
  Finish(state);
}

void Sm3OpenSsl(benchmark::State& state) {
  EVP_MD* md = EVP_MD_fetch(nullptr, "SM3", nullptr);
  EVP_MD_CTX* context = EVP_MD_CTX_new();
  std::vector<unsigned char> data = Buffer(state);
  unsigned char digest[32];
  unsigned int size = 0;
  for (auto _ : state) {
    EVP_DigestInit_ex2(context, md, nullptr);
    EVP_DigestUpdate(context, data.data(), data.size());
    EVP_DigestFinal_ex(context, digest, &size);
    benchmark::DoNotOptimize(digest);
  }
  EVP_MD_CTX_free(context);
  EVP_MD_free(md);
  Finish(state);
}

// One password out and back through the facade, registry switch read included (natively the
// in-process registry; the Wine figure comes from crypto_timing.exe).
void PasswordRoundTrip(benchmark::State& state) {
  for (auto _ : state) {
    std::string cipher = ruzi::qxEncryptEx(1, "key", "password", ruzi::etNone);
    benchmark::DoNotOptimize(ruzi::qxDecryptEx(1, "key", cipher, ruzi::etNone));
  }
}

// Console output as usual, plus the throughput of every run kept for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      // With repetitions, the median stands for the run.
      if (!run.aggregate_name.empty() && run.aggregate_name != "median") continue;
      auto rate = run.counters.find("bytes_per_second");
      if (rate != run.counters.end()) rates_[run.run_name.str()] = rate->second.value;
    }
    ConsoleReporter::ReportRuns(runs);
  }
  void PrintRatios() const {
    std::printf("\n%-28s %14s %14s %8s\n", "throughput (MB/s)", "ours", "OpenSSL EVP", "ratio");
    for (const auto& [name, ours] : rates_) {
      const size_t slash = name.find("/ours/");
      if (slash == std::string::npos) continue;
      auto reference = rates_.find(name.substr(0, slash) + "/openssl/" + name.substr(slash + 6));
      if (reference == rates_.end() || reference->second <= 0) continue;
      const std::string label = name.substr(0, slash) + " " + name.substr(slash + 6) + " B";
      std::printf("%-28s %14.1f %14.1f %8.2f\n", label.c_str(), ours / 1e6, reference->second / 1e6,
                  ours / reference->second);
    }
  }

 private:
  std::map<std::string, double> rates_;
};

}  // namespace

int main(int argc, char** argv) {
  OSSL_PROVIDER* legacy = OSSL_PROVIDER_load(nullptr, "legacy");
  OSSL_PROVIDER* standard = OSSL_PROVIDER_load(nullptr, "default");
  struct Pair {
    const char* name;
    void (*ours)(benchmark::State&);
    const char* openssl_cipher;
  };
  const Pair pairs[] = {{"SM4-ECB", Sm4Ours, "SM4-ECB"},
                        {"DES", DesOurs, "DES-ECB"},
                        {"two-key-DES", TwoKeyDesOurs, "DES-EDE-ECB"},
                        {"SM3", Sm3Ours, nullptr}};
  for (const Pair& pair : pairs) {
    for (int64_t size : {16, 1024, 16384}) {
      benchmark::RegisterBenchmark((std::string(pair.name) + "/ours").c_str(), pair.ours)->Arg(size);
      if (pair.openssl_cipher != nullptr) {
        const char* cipher = pair.openssl_cipher;
        benchmark::RegisterBenchmark((std::string(pair.name) + "/openssl").c_str(),
                                     [cipher](benchmark::State& state) { OpenSslCipher(state, cipher); })
            ->Arg(size);
      } else {
        benchmark::RegisterBenchmark((std::string(pair.name) + "/openssl").c_str(), Sm3OpenSsl)->Arg(size);
      }
    }
  }
  benchmark::RegisterBenchmark("password-round-trip/qxEncryptEx+qxDecryptEx", PasswordRoundTrip);
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  OSSL_PROVIDER_unload(legacy);
  OSSL_PROVIDER_unload(standard);
  return 0;
}
