// Calls through ruzi-mwd beside a raw length-prefixed echo over loopback, in the same run:
// 1, 4 and 16 connections, 100-byte and 64 KB requests. Both servers run in this process
// (thread per connection); the middleware answers with its CARRAY echo service, so the
// difference is the protocol, the dispatch and the audit trail. Goal: at least 0.5x the raw
// echo's calls per second.
#include <arpa/inet.h>
#include <benchmark/benchmark.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

#include "native_client.h"
#include "server.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kRunTime = std::chrono::milliseconds(800);

bool ReadExactly(int fd, char* data, size_t size) {
  while (size > 0) {
    ssize_t got = ::recv(fd, data, size, 0);
    if (got <= 0) return false;
    data += got;
    size -= static_cast<size_t>(got);
  }
  return true;
}

// The reference: 4-byte length, payload, echoed back as one send.
class RawEchoServer {
 public:
  RawEchoServer() {
    listener_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::bind(listener_, reinterpret_cast<sockaddr*>(&where), sizeof where);
    ::listen(listener_, 64);
    socklen_t size = sizeof where;
    ::getsockname(listener_, reinterpret_cast<sockaddr*>(&where), &size);
    port_ = ntohs(where.sin_port);
    acceptor_ = std::thread([this] {
      for (;;) {
        int fd = ::accept(listener_, nullptr, nullptr);
        if (fd < 0) return;
        int on = 1;
        ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
        std::thread([fd] {
          std::string buffer;
          for (;;) {
            uint32_t length = 0;
            if (!ReadExactly(fd, reinterpret_cast<char*>(&length), 4)) break;
            buffer.resize(4 + length);
            std::memcpy(buffer.data(), &length, 4);
            if (!ReadExactly(fd, buffer.data() + 4, length)) break;
            if (!ruzi::mwd::SendAll(fd, buffer)) break;
          }
          ::close(fd);
        }).detach();
      }
    });
  }
  ~RawEchoServer() {
    ::shutdown(listener_, SHUT_RDWR);
    ::close(listener_);
    acceptor_.join();
  }
  uint16_t Port() const { return port_; }

 private:
  int listener_;
  uint16_t port_ = 0;
  std::thread acceptor_;
};

class Caller {
 public:
  virtual ~Caller() = default;
  virtual bool Call(const std::string& request) = 0;
};

class RawCaller : public Caller {
 public:
  explicit RawCaller(uint16_t port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in where{};
    where.sin_family = AF_INET;
    where.sin_port = htons(port);
    where.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    ::connect(fd_, reinterpret_cast<sockaddr*>(&where), sizeof where);
    int on = 1;
    ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &on, sizeof on);
  }
  ~RawCaller() override { ::close(fd_); }
  bool Call(const std::string& request) override {
    std::string frame(4, '\0');
    uint32_t length = static_cast<uint32_t>(request.size());
    std::memcpy(frame.data(), &length, 4);
    frame += request;
    if (!ruzi::mwd::SendAll(fd_, frame)) return false;
    uint32_t back = 0;
    if (!ReadExactly(fd_, reinterpret_cast<char*>(&back), 4)) return false;
    reply_.resize(back);
    return ReadExactly(fd_, reply_.data(), back) && reply_.size() == request.size();
  }

 private:
  int fd_;
  std::string reply_;
};

class MiddlewareCaller : public Caller {
 public:
  explicit MiddlewareCaller(uint16_t port) : client_("127.0.0.1", port) { client_.SignOn("bench"); }
  bool Call(const std::string& request) override {
    ruzi::mw::CallRequest call;
    call.service = "demo_carray";
    call.buffer_type = "CARRAY";
    call.timeout_ms = 30000;
    call.flags = ruzi::mw::kCallTimeoutOn;
    call.data = request;
    auto answer = client_.Ask(call);
    return answer && std::holds_alternative<ruzi::mw::CallReply>(*answer) &&
           std::get<ruzi::mw::CallReply>(*answer).data.size() == request.size();
  }

 private:
  ruzi::mwd::NativeClient client_;
};

struct Figures {
  double calls_per_second = 0;
  double median_us = 0;
  double p99_us = 0;
};

// `connections` threads, each with its own connection, call for kRunTime.
template <typename Make>
Figures Drive(int connections, size_t size, Make make) {
  std::vector<std::vector<double>> latencies(static_cast<size_t>(connections));
  std::atomic<bool> failed{false};
  std::vector<std::thread> threads;
  auto start = Clock::now();
  auto end = start + kRunTime;
  for (int c = 0; c < connections; ++c) {
    threads.emplace_back([&, c] {
      std::unique_ptr<Caller> caller = make();
      std::string request(size, static_cast<char>('a' + c % 26));
      auto& mine = latencies[static_cast<size_t>(c)];
      for (auto now = Clock::now(); now < end;) {
        if (!caller->Call(request)) {
          failed = true;
          return;
        }
        auto after = Clock::now();
        mine.push_back(std::chrono::duration<double, std::micro>(after - now).count());
        now = after;
      }
    });
  }
  for (auto& t : threads) t.join();
  double seconds = std::chrono::duration<double>(Clock::now() - start).count();
  std::vector<double> all;
  for (auto& l : latencies) all.insert(all.end(), l.begin(), l.end());
  if (failed || all.empty()) return {};
  std::sort(all.begin(), all.end());
  return {static_cast<double>(all.size()) / seconds, all[all.size() / 2], all[all.size() * 99 / 100]};
}

struct Servers {
  RawEchoServer raw;
  std::unique_ptr<ruzi::mwd::Server> middleware;
  std::thread running;
  Servers() {
    auto folder = std::filesystem::temp_directory_path() / ("ruzi-mwd-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    ruzi::mwd::ServerOptions options;
    options.database = (folder / "bench.db").string();
    options.log_directory = folder.string();
    options.fresh_database = true;
    middleware = std::make_unique<ruzi::mwd::Server>(options);
    running = std::thread([this] { middleware->Run(); });
  }
  ~Servers() {
    middleware->Stop();
    running.join();
  }
};

Servers& TheServers() {
  static Servers servers;
  return servers;
}

std::map<std::pair<int, int64_t>, std::pair<Figures, Figures>> g_results;  // (conns, size) -> raw, mwd

// The machine is shared: the two sides alternate, three rounds each, and each keeps its best
// round, so a burst of someone else's load does not decide the ratio.
constexpr int kRounds = 3;

Figures Best(const Figures& a, const Figures& b) { return a.calls_per_second >= b.calls_per_second ? a : b; }

void BM_RoundTrip(benchmark::State& state) {
  int connections = static_cast<int>(state.range(0));
  size_t size = static_cast<size_t>(state.range(1));
  uint16_t raw_port = TheServers().raw.Port();
  uint16_t mwd_port = TheServers().middleware->Port();
  Figures raw;
  Figures mwd;
  for (auto _ : state) {
    for (int round = 0; round < kRounds; ++round) {
      raw = Best(raw, Drive(connections, size, [raw_port] { return std::make_unique<RawCaller>(raw_port); }));
      mwd = Best(mwd, Drive(connections, size, [mwd_port] { return std::make_unique<MiddlewareCaller>(mwd_port); }));
    }
  }
  g_results[{connections, state.range(1)}] = {raw, mwd};
  state.counters["raw_calls_per_s"] = raw.calls_per_second;
  state.counters["mwd_calls_per_s"] = mwd.calls_per_second;
  state.counters["ratio"] = raw.calls_per_second > 0 ? mwd.calls_per_second / raw.calls_per_second : 0;
  state.counters["raw_p50_us"] = raw.median_us;
  state.counters["mwd_p50_us"] = mwd.median_us;
}

void Cases(benchmark::internal::Benchmark* b) {
  for (int64_t size : {int64_t{100}, int64_t{64 * 1024}}) {
    for (int64_t connections : {1, 4, 16}) b->Args({connections, size});
  }
  b->Iterations(1)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_RoundTrip)->Apply(Cases);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  std::printf("\n%-6s %-8s %14s %14s %7s %12s %12s %12s %12s\n", "conns", "bytes", "raw calls/s", "mwd calls/s",
              "ratio", "raw p50 us", "mwd p50 us", "raw p99 us", "mwd p99 us");
  for (const auto& [key, figures] : g_results) {
    const auto& [raw, mwd] = figures;
    double ratio = raw.calls_per_second > 0 ? mwd.calls_per_second / raw.calls_per_second : 0;
    std::printf("%-6d %-8lld %14.0f %14.0f %7.2f %12.1f %12.1f %12.1f %12.1f\n", key.first,
                static_cast<long long>(key.second), raw.calls_per_second, mwd.calls_per_second, ratio, raw.median_us,
                mwd.median_us, raw.p99_us, mwd.p99_us);
  }
  benchmark::Shutdown();
  return 0;
}
