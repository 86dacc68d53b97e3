#include "service/reply_convention.h"

#include "foundation/ascii_case.h"
#include "foundation/format.h"
#include "foundation/replace_text.h"
#include "packets/tagged_package.h"

namespace ruzi {

ReplyVerdict JudgeReply(std::string_view service, std::string_view reply, bool raw_reply_on_error,
                        bool run_type_two) {
  TqxPackage package(reply);
  int32_t error_code = 0;
  std::string error_message;
  if (!package.GetItem("ErrCode", error_code) || !package.GetItem("ErrMsg", error_message)) {
    if (run_type_two) return {kCallOk, std::string(reply), false};
    return {kCallLocalFailure, MissingConventionMessage(service, package.GetText()), false};
  }
  if (error_code != 0) {
    return {kCallServiceFailed, raw_reply_on_error ? std::string(reply) : CodeAndText(error_code, error_message),
            true};
  }
  int32_t warn_code = 0;
  std::string warn_message;
  if (package.GetItem("WarnCode", warn_code) && package.GetItem("WarnMessage", warn_message)) {
    return {kCallWarning, CodeAndText(warn_code, warn_message), true};
  }
  return {kCallOk, std::string(reply), true};
}

std::string CodeAndText(int32_t code, std::string_view text) {
  return "(" + std::to_string(code) + ")" + std::string(text);
}

std::string MissingConventionMessage(std::string_view service, std::string_view reply_text) {
  return "服务" + std::string(service) + "没有按约定的格式返回信息,无ErrCode或ErrMsg数据项，当前返回值[" +
         std::string(reply_text) + "]";
}

std::string WrapError(int32_t code, std::string_view message) {
  return Format("<ErrCode>%d</ErrCode><ErrMsg>%s</ErrMsg>", {code, message});
}

std::string TransMultRisk(const std::string& service) {
  for (const char* risk : {"svc_risk_rc", "svc_totalrisk", "svc_entsrisk_rc"}) {
    if (AsciiEqualIgnoreCase(service, risk)) return "svc_mult_risk";
  }
  return service;
}

std::string SubstituteDisplayWord(std::string_view text, std::string_view word) {
  if (word.empty()) return std::string(text);
  std::string output = ReplaceStr(text, "组合", word);
  if (output.find("单元单") != std::string::npos) output = ReplaceStr(output, "单元单", "组合单");
  return output;
}

}  // namespace ruzi
