#include "dialogs/message_sink.h"
#include "service/password_rules.h"
#include "service/qx_comm.h"

namespace ruzi {
namespace {

// This unit's prompt: an OK box captioned "提示" through the library's message sink.
void AppMsgBox(const std::string& text) { ShowMessageBox(text, "提示", kMbOk | kMbIconInformation); }

}  // namespace

std::string qxPasswordCheckMessage(const std::string& Password, int32_t Level) {
  const std::string failures = PasswordRuleFailures(Password, Level);
  return failures.empty() ? "" : "密码检查失败:\n\r" + failures;
}

bool qxCheckPassword(const std::string& Password, int32_t Level) {
  const std::string message = qxPasswordCheckMessage(Password, Level);
  if (message.empty()) return true;
  AppMsgBox(message);
  return false;
}

}  // namespace ruzi
