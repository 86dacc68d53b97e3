#include "service/reply_convention.h"

#include <optional>

#include "platform/ascii_case.h"
#include "foundation/format.h"
#include "foundation/replace_text.h"
#include "foundation/string_to_number.h"
#include "packets/tagged_item_reader.h"
#include "packets/tagged_package.h"

namespace ruzi {

namespace {

// The convention's items, found in one walk over the reply without copying it; a name met
// twice keeps its last value, as a parsed package does.
struct ConventionItems {
  std::optional<std::string_view> error_code, error_message, warn_code, warn_message;

  explicit ConventionItems(std::string_view text) {
    TaggedItemReader reader(text);
    for (TaggedItemView item; reader.Next(item);) {
      if (item.name == "ErrCode") error_code = item.value;
      else if (item.name == "ErrMsg") error_message = item.value;
      else if (item.name == "WarnCode") warn_code = item.value;
      else if (item.name == "WarnMessage") warn_message = item.value;
    }
  }
};

std::optional<int32_t> CodeOf(const std::optional<std::string_view>& value) {
  return value ? TryStrToInt(*value) : std::nullopt;
}

}  // namespace

ReplyVerdict JudgeReply(std::string_view service, std::string_view reply, bool raw_reply_on_error,
                        bool run_type_two) {
  const ConventionItems items(reply);
  const std::optional<int32_t> error_code = CodeOf(items.error_code);
  if (!error_code || !items.error_message) {
    if (run_type_two) return {kCallOk, std::string(reply), false};
    return {kCallLocalFailure, MissingConventionMessage(service, TqxPackage(reply).GetText()), false};
  }
  if (*error_code != 0) {
    return {kCallServiceFailed, raw_reply_on_error ? std::string(reply) : CodeAndText(*error_code, *items.error_message),
            true};
  }
  const std::optional<int32_t> warn_code = CodeOf(items.warn_code);
  if (warn_code && items.warn_message) return {kCallWarning, CodeAndText(*warn_code, *items.warn_message), true};
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

void TransMultRisk(std::string& Svc) {
  for (const char* risk : {"svc_risk_rc", "svc_totalrisk", "svc_entsrisk_rc"}) {
    if (AsciiEqualIgnoreCase(Svc, risk)) {
      Svc = "svc_mult_risk";
      return;
    }
  }
}

void SubstituteDisplayWord(std::string& text, std::string_view word) {
  if (word.empty()) return;
  text = ReplaceStr(text, "组合", word);
  if (text.find("单元单") != std::string::npos) text = ReplaceStr(text, "单元单", "组合单");
}

}  // namespace ruzi
