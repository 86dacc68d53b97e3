#pragma once
// A `ruzi` subcommand: a name, a one-line summary, its usage, and the function that runs it.
// Commands take GBK arguments and print GBK text through the context, which turns it into
// UTF-8 for the terminal unless --raw was given. Failures are reported by throwing UsageError
// (exit 2) or any std::exception (exit 1); main prints the message on stderr.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ruzi::cli {

class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class CommandContext {
 public:
  CommandContext(std::vector<std::string> args, bool raw) : args_(std::move(args)), raw_(raw) {}

  const std::vector<std::string>& Args() const { return args_; }
  size_t Count() const { return args_.size(); }
  const std::string& Arg(size_t index) const;
  // Removes "--name value" (or "--name=value") from the arguments; fallback when absent.
  std::string TakeOption(std::string_view name, std::string_view fallback = "");
  // Removes "--name"; true when it was there.
  bool TakeFlag(std::string_view name);
  // Fails with a usage error unless the remaining arguments number between min and max.
  void ExpectCount(size_t min, size_t max) const;
  bool Raw() const { return raw_; }

  // GBK text out (a newline is not added).
  void Print(std::string_view gbk) const;
  void PrintLine(std::string_view gbk) const;

 private:
  std::vector<std::string> args_;
  bool raw_;
};

// A decimal 32-bit integer argument; a usage error naming `what` otherwise.
int32_t IntegerArgument(const std::string& text, std::string_view what);

using CommandFunction = int (*)(CommandContext&);

struct Command {
  const char* name;
  const char* summary;
  const char* usage;
  CommandFunction run;
};

// Registers a command at start-up: static const CommandRegistration kRegistration{{...}};
struct CommandRegistration {
  explicit CommandRegistration(const Command& command);
};

const std::vector<Command>& Commands();
const Command* FindCommand(std::string_view name);

}  // namespace ruzi::cli
