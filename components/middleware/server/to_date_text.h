#pragma once
// TO_DATE for the server's SQL: a text read by its picture, as "yyyy-mm-dd hh:nn:ss".
// Picture parts, letter case ignored: YYYY, MM, DD, HH24 (or HH), MI, SS; any other character
// stands for itself. Nothing when the text does not fit the picture or names no real date.
#include <optional>
#include <string>
#include <string_view>

namespace ruzi::mwd {

std::optional<std::string> ToDateText(std::string_view text, std::string_view picture);

}  // namespace ruzi::mwd
