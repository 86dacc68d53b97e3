#pragma once
// Reply texts of the services: tag items and the reply convention (ErrCode, ErrMsg and the
// optional warning) that the client judges every reply by.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ruzi::mwd {

std::string Tag(std::string_view name, std::string_view value);
// "<ErrCode>code</ErrCode><ErrMsg>message</ErrMsg>" followed by `data`.
std::string ConventionReply(int32_t code, std::string_view message, std::string_view data = {});
// A request item's value: the text between the first "<name>" and the "</name>" after it.
std::optional<std::string> RequestItem(std::string_view request, std::string_view name);
std::optional<int64_t> RequestNumber(std::string_view request, std::string_view name);

}  // namespace ruzi::mwd
