#pragma once
// The service reply convention: a tag text with "ErrCode" and "ErrMsg", and optionally
// "WarnCode" with "WarnMessage". Judging a reply needs no middleware, so it lives apart.
#include <cstdint>
#include <string>
#include <string_view>

#include "service/call_service.h"

namespace ruzi {

struct ReplyVerdict {
  int32_t result = kCallLocalFailure;
  std::string output;
  bool follows_convention = false;  // ErrCode and ErrMsg were both there
};

// raw_reply_on_error: a service failure gives the whole reply instead of "(code)message".
// run_type_two: a reply without the convention's items is plain data (result 0).
ReplyVerdict JudgeReply(std::string_view service, std::string_view reply, bool raw_reply_on_error,
                        bool run_type_two);

// "(" code ")" text: how a failure or a warning is shown.
std::string CodeAndText(int32_t code, std::string_view text);
// The message for a reply without ErrCode or ErrMsg.
std::string MissingConventionMessage(std::string_view service, std::string_view reply_text);

// "<ErrCode>%d</ErrCode><ErrMsg>%s</ErrMsg>".
std::string WrapError(int32_t code, std::string_view message);


// Puts the deployment's word for "组合" into a text shown to the user (empty: no substitution).
void SubstituteDisplayWord(std::string& text, std::string_view word);

}  // namespace ruzi
