// ruzi [--raw] <command> [arguments…]
#include <cstdio>
#include <exception>
#include <string>

#include "command.h"
#include "platform/command_line.h"
#include "platform/text_encoding.h"

namespace {

bool HasRawFlag(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::string(argv[i]) == "--raw") return true;
  }
  return false;
}

void PrintError(const std::string& gbk, bool raw) {
  std::string text = "ruzi: " + (raw ? gbk : ruzi::platform::GbkToUtf8(gbk)) + "\n";
  std::fwrite(text.data(), 1, text.size(), stderr);
}

}  // namespace

int main(int argc, char** argv) {
  ruzi::platform::UseBinaryStandardStreams();
  const bool raw = HasRawFlag(argc, argv);
  std::vector<std::string> args = raw ? ruzi::platform::RawCommandLineArguments(argc, argv)
                                      : ruzi::platform::CommandLineArguments(argc, argv);
  args.erase(args.begin());
  std::erase(args, std::string("--raw"));
  if (args.empty()) args.push_back("help");

  const ruzi::cli::Command* command = ruzi::cli::FindCommand(args[0]);
  if (command == nullptr) {
    PrintError("unknown command '" + args[0] + "' (try: ruzi help)", raw);
    return 2;
  }
  args.erase(args.begin());
  ruzi::cli::CommandContext context(std::move(args), raw);
  try {
    int code = command->run(context);
    std::fflush(stdout);
    return code;
  } catch (const ruzi::cli::UsageError& error) {
    std::fflush(stdout);
    PrintError(std::string(error.what()) + "\nusage: ruzi " + command->usage, raw);
    return 2;
  } catch (const std::exception& error) {
    std::fflush(stdout);
    PrintError(error.what(), raw);
    return 1;
  }
}
