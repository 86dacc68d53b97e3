#pragma once
// Known-answer vectors kept as text under tests/data/, as cipher libraries keep theirs.
// One case a line, fields apart by tabs (a run of tabs is one separator); "#" starts a comment
// line; "" is an empty field; \t \n \r \\ \s (space) and \xHH escape bytes. Text is UTF-8 in the
// file and GBK once read, as every literal of the tests is.
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace ruzi::testing {

using VectorCase = std::vector<std::string>;

// Every case of tests/data/<name>; a file that cannot be read fails the calling test.
std::vector<VectorCase> ReadVectors(const std::string& name);
// Known answers of several functions in one file: each case is a function name, its arguments
// and the expected text. An exception's message reads "error: <message>".
using Answer = std::function<std::string(const std::vector<std::string>& args)>;
void CheckAnswers(const std::string& name, const std::map<std::string, Answer>& functions);

// Texts the answers compare: the shortest text that reads back as the same double, and "1"/"0".
std::string Num(double value);
inline std::string Num(bool value) { return value ? "1" : "0"; }

// The bytes of a hex string ("00ff" -> "\x00\xff").
std::string FromHex(const std::string& hex);

}  // namespace ruzi::testing
