// A function-number call (CallServiceId with an SDK packet, reply read by an SDK reader)
// beside a call by name carrying the same packet bytes (the raw CallService form through
// tpcallex), in the same run, over the same kept connection to ruzi-mwd:
//   9001 echoes the bytes by number, demo_carray echoes them by name; 9101 also decodes and
//   re-encodes the rows on the server.
// Start ruzi-mwd first:  callno_timing //127.0.0.1:<port>   (or WSNADDR)
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "latency_figures.h"
#include "library_units.h"
#include "library/unit_registry.h"
#include "server_argument.h"
#include "service/call_service.h"
#include "service/call_service_id_packet.h"
#include "service/sdk_packer_calls.h"
#include "service/tuxedo_connection.h"
#include "service/tuxedo_entries.h"

namespace {

using ruzi::bench::LatencyFigures;

ruzi::IF2Packer* FundRows(int rows) {
  ruzi::IF2Packer* packer = ruzi::GetPacker(2);
  packer->DefineField("l_fund_id", 'I', 10, 0);
  packer->DefineField("vc_fund_name", 'S', 64, 0);
  packer->DefineField("en_amount", 'F', 16, 2);
  for (int i = 0; i < rows; ++i) {
    packer->PutInt(i);
    packer->PutStr(("红利精选组合" + std::to_string(i)).c_str());
    packer->PutDouble(i * 1000.25);
  }
  packer->FinishPack();
  return packer;
}

bool ByNumber(int32_t func_no, ruzi::IF2Packer* packer, ruzi::IF2UnPacker*& reader) {
  std::string message;
  return ruzi::CallServiceId(func_no, packer, reader, message, 30000, false, true) == 0 && reader != nullptr &&
         reader->RowCount() >= 0;
}

bool ByName(ruzi::IF2Packer* packer) {
  char* output = nullptr;
  int32_t length = 0;
  const int32_t result = ruzi::CallService("demo_carray", static_cast<const char*>(packer->PackBuffer()),
                                           packer->PackLength(), &output, &length, 30000, false, true);
  const bool ok = result == 0 && length == packer->PackLength();
  ruzi::FreeCallServiceOutput(output);
  return ok;
}

void Print(int rows, int bytes, const LatencyFigures& number, const LatencyFigures& name, const LatencyFigures& decoded) {
  std::printf("%5d rows %7d B | by number (9001) median %8.1f us p99 %8.1f us | by name (demo_carray) median %8.1f us "
              "p99 %8.1f us | ratio %.2f | 9101 median %8.1f us%s\n",
              rows, bytes, number.median_us, number.p99_us, name.median_us, name.p99_us,
              number.median_us / name.median_us, decoded.median_us,
              number.median_us < 0 || name.median_us < 0 || decoded.median_us < 0 ? "  (some calls failed)" : "");
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  ruzi::bench::ServerArgument target;
  if (!ruzi::bench::ReadServerArgument(argc, argv, "callno_timing", target)) return 2;
  if (!ruzi::bench::StartLibraryUnits()) return 1;
  std::string message;
  if (ruzi::TuxedoInit(message) != 0) {
    std::fprintf(stderr, "%s\n", message.c_str());
    return 1;
  }
  ruzi::IF2UnPacker* reader = nullptr;
  for (int rows : {1, 100, 1000}) {
    ruzi::IF2Packer* packer = FundRows(rows);
    const int count = rows >= 1000 ? 500 : 2000;
    // Warm both roads, then interleave them call by call so drift in Wine's speed hits all alike.
    ruzi::bench::Measure(20, [&] { return ByNumber(9001, packer, reader) && ByName(packer); });
    std::vector<double> number_us, name_us, decoded_us;
    bool ok = true;
    for (int i = 0; i < count && ok; ++i) {
      ok = ruzi::bench::TimeCall(number_us, [&] { return ByNumber(9001, packer, reader); }) &&
           ruzi::bench::TimeCall(name_us, [&] { return ByName(packer); }) &&
           ruzi::bench::TimeCall(decoded_us, [&] { return ByNumber(9101, packer, reader); });
    }
    const LatencyFigures failed;
    const LatencyFigures number = ok ? ruzi::bench::Summarise(number_us) : failed;
    const LatencyFigures name = ok ? ruzi::bench::Summarise(name_us) : failed;
    const LatencyFigures decoded = ok ? ruzi::bench::Summarise(decoded_us) : failed;
    Print(rows, packer->PackLength(), number, name, decoded);
    ruzi::FreePacker(packer);
  }
  ruzi::FreeUnPacker(reader);
  ruzi::tpterm();
  ruzi::UnitRegistry::Instance().ShutdownAll();
  return 0;
}
