#pragma once
// Amounts in formal Chinese capital numerals, the form vouchers and confirmations print
// because a stroke cannot be added to it: 1234.56 is "壹仟贰佰叁拾肆点伍陆". Any thread may
// call it.
#include <string>

#include "ruzirareva/export.h"

namespace ruzi {

// Above 9999900000000 in size the thousands-separated text with two decimals is returned;
// below 0.01 in size, "零".
RUZI_API std::string GetNumberToChinese(double value);

}  // namespace ruzi
