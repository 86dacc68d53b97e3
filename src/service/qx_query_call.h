#pragma once
// The call named-query datasets make when the library runs: CallService with the dataset's
// time-out. The unit that sets it lives beside it, so a program linking the static core (a
// test) that names this function gets the unit too.
#include <cstdint>
#include <string>

namespace ruzi {

int32_t CallForQuery(const std::string& service, const std::string& input, std::string& output, int32_t timeout);

}  // namespace ruzi
