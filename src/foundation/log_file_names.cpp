#include "foundation/log_file_names.h"

namespace ruzi {

std::string LogFileKey(std::string_view log_path, std::string_view base_name, std::string_view sub_name) {
  std::string key;
  key.reserve(log_path.size() + base_name.size() + sub_name.size() + 1);
  key.append(log_path).append(base_name);
  if (!sub_name.empty()) key.append("_").append(sub_name);
  return key;
}

std::string CurrentLogFileName(std::string_view key, std::string_view date) {
  return std::string(key).append("_").append(date).append(".log");
}

std::string RotatedLogFileName(std::string_view key, std::string_view date, int number) {
  return std::string(key).append("_").append(date).append("_").append(std::to_string(number)).append(".log");
}

}  // namespace ruzi
