#pragma once
// A one-section packet of text cells, as the server's replies and the cache's loads carry them.
#include <string>
#include <vector>

namespace ruzi::testing {

using TextRows = std::vector<std::vector<std::string>>;

std::string SectionPacket(const std::vector<std::string>& names, const TextRows& rows);

}  // namespace ruzi::testing
