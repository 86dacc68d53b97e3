#pragma once
// Texts of the services in the client's tagged format (TqxPackage): the reply convention
// (ErrCode and ErrMsg first, then the service's items) and the items of a request.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace ruzi::mwd {

using ReplyItems = std::initializer_list<std::pair<std::string_view, std::string_view>>;

std::string TaggedText(ReplyItems items);
std::string ConventionReply(int32_t code, std::string_view message, ReplyItems items = {});
std::optional<std::string> RequestText(std::string_view request, std::string_view name);
std::optional<int64_t> RequestNumber(std::string_view request, std::string_view name);

}  // namespace ruzi::mwd
