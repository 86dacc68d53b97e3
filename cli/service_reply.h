#pragma once
// A command's call to one service of the server and the items of its reply.
#include <string>

namespace ruzi::cli {

// The service's reply text, the library started for this call alone; throws with the
// service's message when the call fails.
std::string Ask(const std::string& service, const std::string& request);
// An item of a tag text ("" when absent).
std::string Item(const std::string& reply, const char* name);
// "<name>value</name>", or "" for an empty value.
std::string Tag(const char* name, const std::string& value);

}  // namespace ruzi::cli
