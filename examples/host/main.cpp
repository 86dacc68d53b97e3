// A host of ruzirareva.dll built from the installed SDK folder alone: the DLL is linked at load
// time through its import library, so nothing is loaded by hand. The middleware's address comes
// from WSNADDR (or wtuxws32.ini beside the executable). Each step prints what it got and whether
// that is the right answer; the exit code is the number of wrong ones.
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "ruzirareva/business/chinese_numerals.h"
#include "ruzirareva/foundation/error.h"
#include "ruzirareva/foundation/write_log_ex.h"
#include "ruzirareva/library.h"
#include "ruzirareva/packets/pack_ex.h"
#include "ruzirareva/packets/qx_pack.h"
#include "ruzirareva/packets/tagged_package.h"
#include "ruzirareva/packets/unpack_ex.h"
#include "ruzirareva/security/encrypt_public.h"
#include "ruzirareva/service/call_service.h"
#include "ruzirareva/service/tuxedo_connection.h"
#include "ruzirareva/trading/calendar/vwpublic.h"

namespace {

int failures = 0;

void Check(const char* step, bool right, const std::string& got) {
  std::printf("%-10s %s  %s\n", step, right ? "ok " : "BAD", got.c_str());
  if (!right) ++failures;
}

void SignOnAndCall() {
  std::string message;
  Check("sign-on", ruzi::TuxedoInit(message) == 0, message.empty() ? "connected" : message);
  std::string output;
  const int32_t result = ruzi::CallService("demo_echo", "<l_fund_id>7</l_fund_id>", output);
  Check("call", result == ruzi::kCallOk && output.find("<l_fund_id>7</l_fund_id>") != std::string::npos,
        std::to_string(result) + " " + output);
}

void SectionPacket() {
  ruzi::TPackEx pack(true);
  pack.SetRange(2, 2);
  pack.CreateFields({"l_fund_id", "vc_fund_name"});
  pack.AddRow({"1", "Growth"});
  pack.AddRow({"2", "Income"});
  std::vector<char> bytes(pack.Text().begin(), pack.Text().end());
  ruzi::TUnPackEx reader(true);
  reader.Open(bytes.data(), static_cast<int32_t>(bytes.size()));
  reader.Last();
  const std::string name = reader.FieldByName("vc_fund_name").GetAsString();
  Check("packet", reader.GetRecordCount() == 2 && name == "Income",
        std::to_string(reader.GetRecordCount()) + " rows, last " + name);
}

void RecordPack() {
  ruzi::TComponent owner(nullptr);
  auto* pack = new ruzi::TQxPack(&owner);  // the owner frees it
  pack->ParseData("fund_id\tfund_name\n1001\tGrowth\n1002\tIncome\n");
  std::string name;
  pack->SetRecNo(2);
  pack->GetValue(pack->getFieldIndex("fund_name"), name);
  const bool component = pack->InheritsFrom(ruzi::TComponent::ClassRecord()) && pack->Owner() == &owner;
  Check("recpack", pack->GetRecordCount() == 2 && name == "Income" && component,
        std::to_string(pack->GetRecordCount()) + " rows, row 2 " + name);
}

void TaggedText() {
  ruzi::TqxPackage package("<ErrCode>0</ErrCode><vc_name>abc</vc_name>");
  std::string name;
  int32_t code = -1;
  const bool found = package.GetItem("vc_name", name) && package.GetItem("ErrCode", code);
  Check("tags", found && name == "abc" && code == 0, name + " " + std::to_string(code));
}

void LogWriter() {
  const std::filesystem::path folder = std::filesystem::current_path() / "example-logs";
  std::filesystem::remove_all(folder);
  {
    ruzi::TqxWriteLogEx log("ExampleHost", folder.string() + "\\", 10, "");
    log.AddLog("written through the log writer");
    log.Shutdown();
  }
  size_t files = 0;
  if (std::filesystem::exists(folder)) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) files += entry.is_regular_file();
  }
  Check("log", files == 1, std::to_string(files) + " file(s) in " + folder.string());
}

void Encryption() {
  // Key type 1: the working key is derived from the key string.
  const std::string cipher = ruzi::qxEncryptEx(1, "key", "secret", ruzi::etEncrypt);
  const std::string plain = ruzi::qxDecryptEx(1, "key", cipher, ruzi::etEncrypt);
  Check("cipher", cipher != "secret" && plain == "secret", cipher + " -> " + plain);
}

void Calendar() {
  // 1 October 2024 and the week after are holidays on the Hong Kong Connect market "n".
  const int32_t date = ruzi::GetTradeDate(20240930, 1, "n", 3, 0);
  Check("calendar", date == 20241008, std::to_string(date));
}

void Numerals() {
  const std::string text = ruzi::GetNumberToChinese(1234.56);
  Check("numerals", text == "壹仟贰佰叁拾肆点伍陆", std::to_string(text.size()) + " bytes");
}

}  // namespace

int main() {
  std::printf("ruzirareva %s\n", RuziVersion());
  // Readers and writers throw ruzi::Error for bad input: a step that throws is a wrong answer.
  for (void (*step)() : {SignOnAndCall, SectionPacket, RecordPack, TaggedText, LogWriter, Encryption, Calendar,
                         Numerals}) {
    try {
      step();
    } catch (const ruzi::Error& error) {
      Check("error", false, error.what());
    }
  }
  RuziShutdown();
  std::printf("%d wrong\n", failures);
  return failures;
}
