#include "vector_file.h"

#include <gtest/gtest.h>

#include <charconv>
#include <fstream>
#include <sstream>

#include "platform/text_encoding.h"

namespace ruzi::testing {
namespace {

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  ADD_FAILURE() << "not a hex digit: " << c;
  return 0;
}

std::string Unescape(const std::string& field) {
  if (field == "\"\"") return {};
  std::string out;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      out += field[i];
      continue;
    }
    const char c = field[++i];
    if (c == 'x' && i + 2 < field.size()) {
      out += static_cast<char>(HexDigit(field[i + 1]) * 16 + HexDigit(field[i + 2]));
      i += 2;
    } else {
      out += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c == 's' ? ' ' : c;
    }
  }
  return out;
}

}  // namespace

std::vector<VectorCase> ReadVectors(const std::string& name) {
  std::ifstream file(std::string(RUZI_TEST_DATA_DIR) + name, std::ios::binary);
  std::vector<VectorCase> cases;
  if (!file) {
    ADD_FAILURE() << "cannot read test data " << name;
    return cases;
  }
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line[0] == '#') continue;
    VectorCase fields;
    std::istringstream parts(line);
    std::string field;
    while (std::getline(parts, field, '\t')) {
      if (!field.empty()) fields.push_back(Unescape(platform::Utf8ToGbk(field)));
    }
    cases.push_back(std::move(fields));
  }
  return cases;
}

void CheckAnswers(const std::string& name, const std::map<std::string, Answer>& functions) {
  for (const VectorCase& c : ReadVectors(name)) {
    ASSERT_GE(c.size(), 2u) << name;
    const auto function = functions.find(c[0]);
    ASSERT_NE(function, functions.end()) << name << ": no function " << c[0];
    const std::vector<std::string> args(c.begin() + 1, c.end() - 1);
    std::string got;
    try {
      got = function->second(args);
    } catch (const std::exception& error) {
      got = std::string("error: ") + error.what();
    }
    std::string call = c[0] + "(";
    for (const std::string& arg : args) call += (call.back() == '(' ? "" : ", ") + arg;
    EXPECT_EQ(got, c.back()) << name << ": " << call << ")";
  }
}

std::string Num(double value) {
  char text[64];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

std::string FromHex(const std::string& hex) {
  std::string bytes;
  for (size_t i = 0; i + 1 < hex.size(); i += 2) {
    bytes += static_cast<char>(HexDigit(hex[i]) * 16 + HexDigit(hex[i + 1]));
  }
  return bytes;
}

}  // namespace ruzi::testing
