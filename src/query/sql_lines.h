#pragma once
// The SQL string list of both query kinds: its lines joined into the text that is run, and
// lines read from a script file.
#include <string>
#include <vector>

namespace ruzi {

// The lines joined by "\r\n", as a string list's text.
std::string SqlText(const std::vector<std::string>& lines);

// The file's lines (ended by "\r\n", "\n" or "\r"); raises Error when it cannot be read.
std::vector<std::string> SqlLinesOfFile(const std::string& path);

}  // namespace ruzi
