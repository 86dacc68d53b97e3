#include "service/password_rules.h"

namespace ruzi {
namespace {

constexpr size_t kMinimumLength = 6;
constexpr int kMinimumClasses = 2;

bool LengthRuleApplies(int32_t level) { return level != 1 && level != 3; }
bool ClassRuleApplies(int32_t level) { return level != 1 && level != 2; }

int CharacterClasses(std::string_view password) {
  bool letter = false, digit = false, other = false;
  for (char c : password) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z')) {
      letter = true;
    } else if (c >= '0' && c <= '9') {
      digit = true;
    } else {
      other = true;
    }
  }
  return int{letter} + int{digit} + int{other};
}

}  // namespace

std::string PasswordRuleFailures(std::string_view password, int32_t level) {
  std::string lines;
  if (LengthRuleApplies(level) && password.size() < kMinimumLength) lines += "    密码必须长度大于6位!\r";
  if (ClassRuleApplies(level) && CharacterClasses(password) < kMinimumClasses) {
    lines += "    密码必须包含字母,数字,其他字符中的两类!\r";
  }
  return lines;
}

}  // namespace ruzi
