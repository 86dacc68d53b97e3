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
  return "ruzi-mwd [options]: our transaction middleware server.\n"
         "  --port N              listen port (0, the default: the system chooses)\n"
         "  --port-file FILE      write the chosen port here once listening\n"
         "  --bind ADDRESS        IPv4 address to listen on (default 127.0.0.1)\n"
         "  --db FILE             the database (default ruzi-mwd.db); --fresh removes it first\n"
         "  --holdings N          fill the holdings table (query qx_holdings) with N rows\n"
         "  --credentials FILE    users, one per line: \"administrator|operator USER PASSWORD\"\n"
         "                        (USER * matches any user name), or \"operator *\" (anyone else\n"
         "                        an operator); else the file named by RUZI_MWD_CREDENTIALS. With\n"
         "                        neither, every sign-on is an operator and nobody is an\n"
         "                        administrator. Passwords are never taken from the command line.\n"
         "  --log-dir DIR         folder of ruzi-mwd.log (default: the database's folder)\n"
         "  --delay-ms N          added to every call and probe (speed tests)\n"
         "  --max-frame BYTES     largest frame received or sent (default 16777216)\n"
         "  --max-connections N   (default 512)   --max-peer-connections N  per address (default 256)\n"
         "  --max-calls N         calls in progress (default 256)\n"
         "  --sign-on-timeout-ms N  a connection must sign on within this (default 10000)\n"
         "  --sign-on-frame BYTES  largest frame before a sign-on (default 4096)\n"
         "  --frame-timeout-ms N  a begun frame or an unread answer ends its connection (default 30000)\n"
         "  --clock yyyymmddhhnnss  the date and time the services report stand still\n"
         "  --no-demo             no demo_* services, no demo service id or function numbers\n"
         "  --max-slow-ms N       longest wait demo_slow grants (default 60000)\n"
         "  audit trail (table mw_audit, every call, never sampled):\n"
         "  --audit-request-bytes N  longer requests keep this start, their length and SHA-256 (default 65536)\n"
         "  --audit-queue-mb N    records waiting for the writer; a call waits when full (default 2)\n"
         "  --audit-keep-days N   rows older are removed (default 30; 0: no age limit)\n"
         "  --audit-max-mb N      oldest rows are removed while the database is larger (default 1024; 0: no limit)\n"
         "  --wal-max-mb N        the write-ahead log stays within this, plus two batches (default 64)\n"
         "  --audit-before-answer  each answer waits until its call's row is stored: a killed server\n"
         "                        has the row of every call it answered (slower; default: rows are\n"
         "                        stored within about 5 ms of their answers)\n"
         "  --detach              return once listening (exit 0) or failed (exit 1)\n"
         "  --pid-file FILE       a server left running with this pid file is stopped first\n"
         "ruzi-mwd --stop --pid-file FILE [--stop-wait-ms N]\n"
         "  SIGTERM, then wait (default 30000 ms) while the server stores its audit queue and exits\n";
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
    } else if (name == "--holdings") {
      options.holdings = static_cast<int64_t>(Number(name, value(), 100000000));
    } else if (name == "--password") {
      throw std::invalid_argument("--password is gone (ps shows the command line): use --credentials FILE");
    } else if (name == "--credentials") {
      options.credentials_file = value();
    } else if (name == "--max-peer-connections") {
      options.max_connections_per_peer = static_cast<uint32_t>(Number(name, value(), 100000));
    } else if (name == "--sign-on-timeout-ms") {
      options.sign_on_timeout_ms = static_cast<uint32_t>(Number(name, value(), 3600000));
    } else if (name == "--sign-on-frame") {
      options.sign_on_frame_bytes = static_cast<uint32_t>(Number(name, value(), 1u << 30));
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
    } else if (name == "--no-demo") {
      options.demo_services = false;
    } else if (name == "--max-slow-ms") {
      options.max_slow_ms = static_cast<uint32_t>(Number(name, value(), 3600000));
    } else if (name == "--audit-request-bytes") {
      options.audit.request_bytes = static_cast<size_t>(Number(name, value(), 1u << 30));
    } else if (name == "--audit-queue-mb") {
      options.audit.queue_bytes = static_cast<size_t>(Number(name, value(), 4096)) << 20;
    } else if (name == "--audit-before-answer") {
      options.audit.store_before_answer = true;
    } else if (name == "--audit-keep-days") {
      options.audit.keep_days = static_cast<uint32_t>(Number(name, value(), 36500));
    } else if (name == "--audit-max-mb") {
      options.audit.max_database_bytes = Number(name, value(), 1u << 24) << 20;
    } else if (name == "--wal-max-mb") {
      options.audit.max_wal_bytes = Number(name, value(), 1u << 24) << 20;
    } else if (name == "--stop-wait-ms") {
      options.stop_wait_ms = static_cast<uint32_t>(Number(name, value(), 3600000));
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
  if (options.max_connections == 0 || options.max_calls_in_progress == 0 || options.audit.queue_bytes == 0 ||
      options.max_connections_per_peer == 0 || options.sign_on_frame_bytes < 64) {
    throw std::invalid_argument("caps must be at least 1");
  }
  if (options.stop && options.pid_file.empty()) throw std::invalid_argument("--stop needs --pid-file");
  return options;
}

}  // namespace ruzi::mwd
