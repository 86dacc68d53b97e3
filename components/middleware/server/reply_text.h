#pragma once
// Texts of the services in the client's tagged format (TqxPackage): the reply convention
// (ErrCode and ErrMsg first, then the service's items). A request's items are read through
// ServiceCall, which parses the request once.
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ruzi::mwd {

using ReplyItems = std::initializer_list<std::pair<std::string_view, std::string_view>>;

std::string TaggedText(ReplyItems items);
std::string ConventionReply(int32_t code, std::string_view message, ReplyItems items = {});
// A section-packet value may hold neither SOH nor NUL: each becomes "?".
std::string PacketSafe(std::string text);
// One section of these columns and rows (each row a value per column), as packet text.
std::string SectionPacket(const std::vector<std::string>& columns, const std::vector<std::vector<std::string>>& rows);

}  // namespace ruzi::mwd
