#include "command.h"

#include <algorithm>
#include <cstdio>

#include "foundation/string_to_number.h"
#include "platform/text_encoding.h"

namespace ruzi::cli {
namespace {

std::vector<Command>& Registry() {
  static std::vector<Command> commands;
  return commands;
}

}  // namespace

CommandRegistration::CommandRegistration(const Command& command) {
  auto& commands = Registry();
  auto at = std::lower_bound(commands.begin(), commands.end(), command, [](const Command& a, const Command& b) {
    return std::string_view(a.name) < std::string_view(b.name);
  });
  commands.insert(at, command);
}

const std::vector<Command>& Commands() { return Registry(); }

const Command* FindCommand(std::string_view name) {
  for (const Command& command : Registry()) {
    if (name == command.name) return &command;
  }
  return nullptr;
}

const std::string& CommandContext::Arg(size_t index) const {
  if (index >= args_.size()) throw UsageError("missing argument");
  return args_[index];
}

std::string CommandContext::TakeOption(std::string_view name, std::string_view fallback) {
  const std::string flag = "--" + std::string(name);
  for (size_t i = 0; i < args_.size(); ++i) {
    if (args_[i] == flag) {
      if (i + 1 >= args_.size()) throw UsageError(flag + " needs a value");
      std::string value = args_[i + 1];
      args_.erase(args_.begin() + static_cast<std::ptrdiff_t>(i), args_.begin() + static_cast<std::ptrdiff_t>(i) + 2);
      return value;
    }
    if (args_[i].rfind(flag + "=", 0) == 0) {
      std::string value = args_[i].substr(flag.size() + 1);
      args_.erase(args_.begin() + static_cast<std::ptrdiff_t>(i));
      return value;
    }
  }
  return std::string(fallback);
}

bool CommandContext::TakeFlag(std::string_view name) {
  const std::string flag = "--" + std::string(name);
  auto it = std::find(args_.begin(), args_.end(), flag);
  if (it == args_.end()) return false;
  args_.erase(it);
  return true;
}

void CommandContext::ExpectCount(size_t min, size_t max) const {
  if (args_.size() < min) throw UsageError("too few arguments");
  if (args_.size() > max) throw UsageError("unexpected argument: " + args_[max]);
}

int32_t IntegerArgument(const std::string& text, std::string_view what) {
  if (std::optional<int32_t> value = TryStrToInt(text)) return *value;
  throw UsageError(std::string(what) + " must be an integer: " + text);
}

void CommandContext::Print(std::string_view gbk) const {
  std::string text = raw_ ? std::string(gbk) : platform::GbkToUtf8(gbk);
  std::fwrite(text.data(), 1, text.size(), stdout);
}

void CommandContext::PrintLine(std::string_view gbk) const {
  Print(gbk);
  std::fputc('\n', stdout);
  std::fflush(stdout);  // lines appear as they happen when another program reads them
}

}  // namespace ruzi::cli
