#include "service/server_speed.h"

#include "service/call_service.h"
#include "service/sdk_packer_calls.h"
#include "service/zt_sdk.h"

namespace ruzi {
namespace {

constexpr int32_t kSelectTimeOutMs = 5000;

// Both packers are released on every way out.
struct PackerPair {
  IF2Packer* request = nullptr;
  IF2Packer* answer = nullptr;
  ~PackerPair() {
    FreePacker(request);
    FreePacker(answer);
  }
};

std::unique_ptr<TRetNetWorkSpeed> MeasuredRow(IF2UnPacker& reader) {
  auto row = std::make_unique<TRetNetWorkSpeed>();
  row->ConnCount = reader.IntByName("conn_count");
  row->NetDelay = reader.DoubleByName("net_delay");
  row->ErrorNo = reader.IntByName("last_error");
  return row;
}

}  // namespace

ServerLine SplitServerLine(std::string_view line) {
  for (size_t i = line.size() >= 2 ? line.size() - 1 : 0; i-- > 0;) {
    if (line[i] == ':') return {std::string(line.substr(0, i)), std::string(line.substr(i + 1))};
  }
  return {"", std::string(line)};
}

void __GetMultiNetWorkSpeed(const std::vector<std::string>* Servers, int32_t TimeOut, TArrRetNetWorkSpeed& Result) {
  Result.clear();
  if (Servers == nullptr) return;
  PackerPair packers;
  packers.request = GetPacker(2);
  if (packers.request == nullptr) return;
  IF2Packer& request = *packers.request;
  request.StartPack();
  request.DefineField("address", 'S', 255, 4);
  request.DefineField("port", 'S', 255, 4);
  for (const std::string& line : *Servers) {
    const ServerLine server = SplitServerLine(line);
    CSWriteLog("sIpAddress:" + server.address);
    CSWriteLog("sPortNo:" + server.port);
    request.PutStr(server.address.c_str());
    request.PutStr(server.port.c_str());
  }
  request.FinishPack();

  packers.answer = GetPacker(2);
  if (packers.answer == nullptr) return;
  IF2Packer& answer = *packers.answer;
  answer.StartPack();
  const int32_t status = GetMultiNetWorkSpeed(request.OpenAsReader(), &answer, static_cast<uint32_t>(TimeOut));
  answer.FinishPack();
  IF2UnPacker* reader = answer.OpenAsReader();
  if (reader == nullptr) return;
  if (status == 0) {
    reader->GoFirst();
    for (int32_t row = 0, rows = reader->RowCount(); row < rows; ++row) {
      Result.push_back(MeasuredRow(*reader));
      reader->NextRow();
    }
    return;
  }
  auto failed = std::make_unique<TRetNetWorkSpeed>();
  failed->ErrorNo = reader->IntByName("error_no");
  failed->ErrorInfo = reader->StrByName("error_info");
  Result.push_back(std::move(failed));
}

int32_t SelectBestServer(const TArrRetNetWorkSpeed& Speeds, int32_t Mode) {
  int32_t best = -1;
  if (Mode == 0) {
    double best_delay = -1.0;
    for (size_t i = 0; i < Speeds.size(); ++i) {
      const double delay = Speeds[i]->NetDelay;
      if (delay < 0) continue;
      if (delay < best_delay || best_delay < 0) {
        best = static_cast<int32_t>(i);
        best_delay = delay;
      }
    }
    return best;
  }
  int32_t best_count = -1;
  for (size_t i = 0; i < Speeds.size(); ++i) {
    const int32_t count = Speeds[i]->ConnCount;
    if (count < 0) continue;
    if (count < best_count || best_count < 0) {
      best = static_cast<int32_t>(i);
      best_count = count;
    }
  }
  return best;
}

int32_t AutoSelectBestServer(const std::vector<std::string>* Servers, int32_t Mode, int32_t) {
  TArrRetNetWorkSpeed speeds;
  __GetMultiNetWorkSpeed(Servers, kSelectTimeOutMs, speeds);
  if (speeds.empty()) return -1;
  return SelectBestServer(speeds, Mode);
}

int32_t AutoSelectBestServer(std::span<const std::string> Servers, int32_t Mode, int32_t Reserved) {
  const std::vector<std::string> list(Servers.begin(), Servers.end());
  return AutoSelectBestServer(&list, Mode, Reserved);
}

}  // namespace ruzi
