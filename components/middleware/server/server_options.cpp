#include "server_options.h"

#include <charconv>
#include <filesystem>
#include <stdexcept>

namespace ruzi::mwd {
namespace {

uint64_t Number(const std::string& option, const std::string& text, uint64_t max) {
  uint64_t value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value > max) {
    throw std::invalid_argument(option + ": not a number in range: " + text);
  }
  return value;
}

platform::LocalDateTime Moment(const std::string& text) {
  if (text.size() != 14) throw std::invalid_argument("--clock: expected yyyymmddhhnnss");
  auto part = [&](size_t at, size_t width, uint64_t max) {
    return static_cast<int>(Number("--clock", text.substr(at, width), max));
  };
  platform::LocalDateTime moment;
  moment.year = part(0, 4, 9999);
  moment.month = part(4, 2, 12);
  moment.day = part(6, 2, 31);
  moment.hour = part(8, 2, 23);
  moment.minute = part(10, 2, 59);
  moment.second = part(12, 2, 59);
  if (moment.month == 0 || moment.day == 0) throw std::invalid_argument("--clock: no such date");
  return moment;
}

}  // namespace

const char* ServerUsage() {
  return "ruzi-mwd [--port N] [--port-file FILE] [--bind ADDRESS] [--db FILE] [--fresh]\n"
         "         [--password TEXT] [--log-dir DIR] [--delay-ms N] [--max-frame BYTES]\n"
         "         [--max-connections N] [--max-calls N] [--frame-timeout-ms N]\n"
         "         [--clock yyyymmddhhnnss] [--detach] [--pid-file FILE]\n"
         "ruzi-mwd --stop --pid-file FILE\n";
}

std::string ServerLogDirectory(const ServerOptions& options) {
  if (!options.log_directory.empty()) return options.log_directory;
  return std::filesystem::absolute(options.database).parent_path().string();
}

ServerOptions ParseServerOptions(const std::vector<std::string>& args) {
  ServerOptions options;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& name = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw std::invalid_argument(name + ": value missing");
      return args[++i];
    };
    if (name == "--port") {
      options.port = static_cast<uint16_t>(Number(name, value(), 65535));
    } else if (name == "--port-file") {
      options.port_file = value();
    } else if (name == "--bind") {
      options.bind_address = value();
    } else if (name == "--db") {
      options.database = value();
    } else if (name == "--fresh") {
      options.fresh_database = true;
    } else if (name == "--password") {
      options.password = value();
    } else if (name == "--log-dir") {
      options.log_directory = value();
    } else if (name == "--delay-ms") {
      options.delay_ms = static_cast<uint32_t>(Number(name, value(), 3600000));
    } else if (name == "--max-frame") {
      options.max_body_bytes = static_cast<uint32_t>(Number(name, value(), 1u << 30));
    } else if (name == "--max-connections") {
      options.max_connections = static_cast<uint32_t>(Number(name, value(), 100000));
    } else if (name == "--max-calls") {
      options.max_calls_in_progress = static_cast<uint32_t>(Number(name, value(), 100000));
    } else if (name == "--frame-timeout-ms") {
      options.incomplete_frame_ms = static_cast<uint32_t>(Number(name, value(), 3600000));
    } else if (name == "--clock") {
      options.fixed_clock = Moment(value());
    } else if (name == "--detach") {
      options.detach = true;
    } else if (name == "--stop") {
      options.stop = true;
    } else if (name == "--pid-file") {
      options.pid_file = value();
    } else {
      throw std::invalid_argument("unknown option: " + name);
    }
  }
  if (options.max_connections == 0 || options.max_calls_in_progress == 0) {
    throw std::invalid_argument("caps must be at least 1");
  }
  if (options.stop && options.pid_file.empty()) throw std::invalid_argument("--stop needs --pid-file");
  return options;
}

}  // namespace ruzi::mwd
