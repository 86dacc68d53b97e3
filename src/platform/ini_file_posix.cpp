// The profile rules on plain files, for the native build.
#include <fstream>
#include <sstream>

#include "platform/ascii_case.h"
#include "platform/ini_file.h"

namespace ruzi::platform {
namespace {

std::string_view Trim(std::string_view text) {
  size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

std::vector<std::string> ReadLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream in(path, std::ios::binary);
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

// "[name]" gives name; anything else gives nullopt.
bool SectionHeader(std::string_view line, std::string_view& name) {
  line = Trim(line);
  if (line.empty() || line[0] != '[') return false;
  size_t close = line.find(']');
  name = Trim(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
  return true;
}

bool KeyLine(std::string_view line, std::string_view& key, std::string_view& value) {
  line = Trim(line);
  if (line.empty() || line[0] == ';') return false;
  size_t equals = line.find('=');
  if (equals == std::string_view::npos) return false;
  key = Trim(line.substr(0, equals));
  value = Trim(line.substr(equals + 1));
  return true;
}

std::string Unquote(std::string_view value) {
  if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front()) {
    value = value.substr(1, value.size() - 2);
  }
  return std::string(value);
}

}  // namespace

std::string ReadIniString(std::string_view file, std::string_view section, std::string_view key,
                          std::string_view default_value) {
  bool inside = false;
  for (const std::string& line : ReadLines(std::string(file))) {
    std::string_view name, k, v;
    if (SectionHeader(line, name)) {
      inside = AsciiEqualIgnoreCase(name, section);
    } else if (inside && KeyLine(line, k, v) && AsciiEqualIgnoreCase(k, key)) {
      return Unquote(v);
    }
  }
  return Unquote(Trim(default_value));
}

std::vector<std::string> ReadIniKeys(std::string_view file, std::string_view section) {
  std::vector<std::string> names;
  bool inside = false;
  for (const std::string& line : ReadLines(std::string(file))) {
    std::string_view name, k, v;
    if (SectionHeader(line, name)) {
      inside = AsciiEqualIgnoreCase(name, section);
      if (section.empty()) names.emplace_back(name);
    } else if (inside && !section.empty() && KeyLine(line, k, v)) {
      names.emplace_back(k);
    }
  }
  return names;
}

bool WriteIniString(std::string_view file, std::string_view section, std::string_view key,
                    std::string_view value) {
  std::vector<std::string> lines = ReadLines(std::string(file));
  const std::string entry = std::string(key) + "=" + std::string(value);
  bool inside = false;
  bool replaced = false;
  size_t insert_at = std::string::npos;  // after the section's last non-blank line
  for (size_t i = 0; i < lines.size() && !replaced; ++i) {
    std::string_view name, k, v;
    if (SectionHeader(lines[i], name)) {
      if (inside) break;
      inside = AsciiEqualIgnoreCase(name, section);
      if (inside) insert_at = i + 1;
    } else if (inside && KeyLine(lines[i], k, v) && AsciiEqualIgnoreCase(k, key)) {
      lines[i] = std::string(k) + "=" + std::string(value);  // the key keeps its first spelling
      replaced = true;
    } else if (inside && !Trim(lines[i]).empty()) {
      insert_at = i + 1;
    }
  }
  if (!replaced && insert_at != std::string::npos) {
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insert_at), entry);
  } else if (!replaced) {
    lines.push_back("[" + std::string(section) + "]");
    lines.push_back(entry);
  }
  std::ofstream out(std::string(file), std::ios::binary | std::ios::trunc);
  for (const std::string& line : lines) out << line << "\r\n";
  return static_cast<bool>(out);
}

}  // namespace ruzi::platform
