// Known answers of the service entries that need no middleware (the reply convention and the
// texts around it, function-number failures, the operation-log record, password rules, server
// lines, GM server files), and the convention against a fully parsed package on random replies.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <tuple>

#include "dialogs/message_sink.h"
#include "error_text.h"
#include "packets/tagged_package.h"
#include "platform/environment.h"
#include "security/encrypt_public.h"
#include "service/call_service.h"
#include "service/call_service_id_packet.h"
#include "service/gm_server_config.h"
#include "service/operation_log.h"
#include "service/operation_log_record.h"
#include "service/qx_comm.h"
#include "service/reply_convention.h"
#include "service/sdk_packer_calls.h"
#include "service/server_speed.h"
#include "service/tuxedo_connection.h"
#include "service/tuxedo_entries.h"
#include "service/zt_sdk.h"
#include "test_paths.h"
#include "vector_file.h"

namespace ruzi {
namespace {

using Args = std::vector<std::string>;

std::string Items(const TqxPackage& package) {
  std::string items;
  for (int32_t i = 0; i < package.Count(); ++i) items += (i ? "|" : "") + package.Item(i).Name + "=" + package.Item(i).Value;
  return items;
}

// The answer, then the one message shown in an information box captioned "提示" ("" if none).
std::string PasswordAnswer(const Args& a) {
  std::string shown;
  ScopedMessageSink sink([&](std::string_view text, std::string_view caption, unsigned flags) {
    const bool usual = caption == "提示" && flags == (kMbOk | kMbIconInformation);
    shown += (shown.empty() ? "" : "|second box:") + std::string(usual ? "" : "(odd box)") + std::string(text);
    return kIdOk;
  });
  return testing::Num(qxCheckPassword(a[0], std::stoi(a[1]))) + "|" + shown;
}

std::string OpLogAnswer(const Args& a) {
  OperationLogFields fields{a[0], a[1], a[2], a[3], a[4], OpLogClassText(static_cast<TOpLog>(std::stoi(a[5]))),
                            a[6], a[7], a[8], a[9].empty() ? '\0' : a[9][0], a[10], a[11], a[12]};
  return Items(TqxPackage(OperationLogRequest(fields, a[13])));
}

std::string CallIdAnswer(const Args& a) {
  int placeholder = 0;  // never dereferenced: every case fails before the packer is used
  auto* held = reinterpret_cast<IF2UnPacker*>(&placeholder);
  IF2UnPacker* reader = held;
  std::string message = "before";
  const int32_t result = CallServiceId(std::stoi(a[0]), a[1] == "1" ? reinterpret_cast<IF2Packer*>(&placeholder) : nullptr,
                                       reader, message, 30000, a[2] == "1", true);
  return std::to_string(result) + "|" + message + "|" + (reader == held ? "kept" : "replaced");
}

// A server configuration file of this text ("-": none) with "{des:x}" and "{sm4:x}" replaced by
// x enciphered as stored credentials are, under the last 15 characters of its SSLFILE.
std::string GMFile(const std::string& text) {
  const std::string file = testing::FreshTestFolder("gm_server_config") + "server.ini";
  const std::string key = std::string("certs/sm2/client_sm2_enc.pem").substr(13);
  std::string contents = text;
  for (size_t at = 0; (at = contents.find('{', at)) != std::string::npos;) {
    const size_t end = contents.find('}', at);
    const std::string plain = contents.substr(at + 5, end - at - 5);
    contents.replace(at, end - at + 1, contents.compare(at, 5, "{des:") == 0 ? Encrypt3DES(3, key, plain, etEncrypt)
                                                                             : EncryptSM4(3, key, plain, etEncrypt));
  }
  if (text != "-") std::ofstream(file, std::ios::binary) << contents;
  return file;
}

TEST(ServiceAnswers, KnownAnswers) {
  ASSERT_EQ(_tpalloc, nullptr) << "the middleware client is not bound natively";
  auto flag = [](const std::string& text) { return text == "1"; };
  const std::map<std::string, testing::Answer> functions = {
      {"Judge", [&](auto& a) {
         const ReplyVerdict verdict = JudgeReply(a[0], a[1], flag(a[2]), flag(a[3]));
         return std::to_string(verdict.result) + "|" + testing::Num(verdict.follows_convention) + "|" + verdict.output;
       }},
      {"Risk", [](auto& a) {
         std::string service = a[0];
         TransMultRisk(service);
         return service;
       }},
      {"Word", [](auto& a) {
         std::string text = a[0];
         SubstituteDisplayWord(text, a[1]);
         return text;
       }},
      {"Wrap", [](auto& a) { return WrapError(std::stoi(a[0]), a[1]); }},
      {"UserName", [](auto& a) { return MakeUserName(std::stoi(a[0]), a[1]); }},
      {"Password", PasswordAnswer},
      {"OpClass", [](auto& a) { return OpLogClassText(static_cast<TOpLog>(std::stoi(a[0]))); }},
      {"OpLogRequest", OpLogAnswer},
      {"CallId", CallIdAnswer},
      {"CallEmpty", [](auto& a) {
         std::string output;
         const int32_t result = a[0] == "6" ? CallService("", "abc", output, 30000, true, true)
                                            : CallService("", "abc", output, true, 1024, 0, 30000, true);
         return std::to_string(result) + "|" + output;
       }},
      {"ConnType", [](auto& a) {
         a[0] == "-" ? (void)platform::UnsetEnvironment("TUXEDO_CONNECTION_TYPE") : SetTuxedoConnType(a[0]);
         return GetTuxedoConnType() + "|" + platform::GetEnvironment("TUXEDO_CONNECTION_TYPE");
       }},
      {"HostLog", [](auto&) {
         std::string message = testing::ErrorOf([] { WriteOperateLog("a", "b", "c"); });
         if (const size_t exe = message.find(".exe"); exe != std::string::npos) message.erase(exe, 4);
         return "error: " + message;
       }},
      {"Split", [](auto& a) {
         const ServerLine split = SplitServerLine(a[0]);
         return split.address + "|" + split.port;
       }},
      {"SdkLibrary", [](auto& a) { return std::string(SdkLibraryName(std::stoi(a[0]))); }},
      {"SdkGMType", [](auto& a) {
         a[0] == "-" ? platform::UnsetEnvironment("gm_type") : platform::SetEnvironment("gm_type", a[0]);
         const std::string failure = testing::ErrorOf([&] {
           if (a[1] == "NewPacker") NewPacker(2);
           if (a[1] == "NewUnPacker") NewUnPacker(nullptr, 0);
           if (a[1] == "NewYJGMParam") NewYJGMParam();
         });
         return std::to_string(GetGMType()) + "|" + failure;
       }},
      {"GMType", [](auto& a) { return std::to_string(CheckGMTypeByServerConfig(GMFile(a[0]))); }},
      {"GeerParams", [](auto& a) {
         const GeerGMParams found = ReadGeerGMParams(GMFile(a[0]), a[1]);
         return found.SksServer + "|" + found.SksUser + "|" + found.SksPassword;
       }},
      {"XasjParams", [](auto& a) {
         const XASJGMParams found = ReadXASJGMParams(GMFile(a[0]), a[1]);
         return found.Url + "|" + found.MauthCaRoot + "|" + found.UserName + "|" + found.FilePath + "|" + found.SslCaRoot;
       }},
  };
  std::vector<const char*> files = {"reply_convention.txt", "svc_answers.txt"};
#ifndef _WIN32
  files.push_back("svc_no_sdk.txt");  // under Windows the SDK is there to bind
#endif
  for (const char* file : files) testing::CheckAnswers(file, functions);
  platform::UnsetEnvironment("TUXEDO_CONNECTION_TYPE");
  platform::UnsetEnvironment("gm_type");
  EXPECT_EQ(GetUnPacker(nullptr, 100), nullptr);
  FreePacker(nullptr);
  FreeUnPacker(nullptr);
}

// The verdict read through a fully parsed package, as the client reads any tag text.
ReplyVerdict VerdictThroughPackage(std::string_view reply, bool raw_reply_on_error) {
  TqxPackage package(reply);
  int32_t code = 0, warn_code = 0;
  std::string message, warn_message;
  if (!package.GetItem("ErrCode", code) || !package.GetItem("ErrMsg", message)) {
    return {kCallLocalFailure, MissingConventionMessage("s", package.GetText()), false};
  }
  if (code != 0) return {kCallServiceFailed, raw_reply_on_error ? std::string(reply) : CodeAndText(code, message), true};
  if (package.GetItem("WarnCode", warn_code) && package.GetItem("WarnMessage", warn_message)) {
    return {kCallWarning, CodeAndText(warn_code, warn_message), true};
  }
  return {kCallOk, std::string(reply), true};
}

// Replies of repeated, nested, unclosed and non-numeric items against the parsed package.
TEST(ReplyConvention, RandomRepliesAgreeWithTheParsedPackage) {
  const std::vector<std::string> pieces = {
      "<ErrCode>0</ErrCode>", "<ErrCode>7</ErrCode>", "<ErrCode>x</ErrCode>", "<ErrMsg>m</ErrMsg>",
      "<WarnCode>3</WarnCode>", "<WarnMessage>w</WarnMessage>", "<d><ErrCode>5</ErrCode></d>", "<ErrMsg>",
      "</ErrCode>", "<", ">", "text", "<WarnCode>$1F</WarnCode>", "<ErrCode> 2</ErrCode>"};
  std::mt19937 random(3);
  for (int i = 0; i < 20000; ++i) {
    std::string reply;
    for (int n = static_cast<int>(random() % 7); n > 0; --n) reply += pieces[random() % pieces.size()];
    const bool raw = random() % 2 != 0;
    const ReplyVerdict expected = VerdictThroughPackage(reply, raw);
    const ReplyVerdict actual = JudgeReply("s", reply, raw, false);
    ASSERT_EQ(std::tie(actual.result, actual.output, actual.follows_convention),
              std::tie(expected.result, expected.output, expected.follows_convention)) << reply;
  }
}

}  // namespace
}  // namespace ruzi
