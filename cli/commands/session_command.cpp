// Several service calls in one process (one middleware context), read as a script:
//   call <service> [request]     a call through CallService; prints the result and output
//   env <NAME> <value>           sets an environment variable the calls read
//   conn-type 1|2                the connection type
//   timeout <ms>                 the time-out of the following calls (30000 at first)
//   mark <file>                  creates the file (tells a script where the session is)
//   wait <file>                  waits (up to 60 s) until the file exists
//   say <text>                   prints the text
// Blank lines and lines starting with '#' are skipped.
#include <sstream>

#include "command.h"
#include "library_session.h"
#include "input_text.h"
#include "platform/clock.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "service/call_service.h"
#include "service/tuxedo_connection.h"

namespace ruzi::cli {
namespace {

std::string RestOfLine(std::istringstream& line) {
  std::string rest;
  std::getline(line >> std::ws, rest);
  return rest;
}

void WaitForFile(const std::string& path) {
  for (int waited = 0; waited < 60000 && !platform::SystemFileSystem().FileExists(path); waited += 100) {
    platform::SleepMilliseconds(100);
  }
}

int RunSession(CommandContext& context) {
  context.ExpectCount(1, 1);
  const std::string script = ReadInputText(context.Arg(0));
  LibrarySession library;
  std::istringstream lines(script);
  std::string text;
  int failures = 0;
  int32_t timeout = 30000;
  while (std::getline(lines, text)) {
    if (!text.empty() && text.back() == '\r') text.pop_back();
    std::istringstream line(text);
    std::string verb;
    line >> verb;
    if (verb.empty() || verb[0] == '#') continue;
    if (verb == "say") {
      context.PrintLine(RestOfLine(line));
    } else if (verb == "env") {
      std::string name;
      line >> name;
      platform::SetEnvironment(name, RestOfLine(line));
    } else if (verb == "conn-type") {
      SetTuxedoConnType(RestOfLine(line));
    } else if (verb == "timeout") {
      timeout = std::stoi(RestOfLine(line));
    } else if (verb == "mark") {
      platform::SystemFileSystem().WriteWholeFile(RestOfLine(line), "");
    } else if (verb == "wait") {
      WaitForFile(RestOfLine(line));
    } else if (verb == "call") {
      std::string service;
      line >> service;
      std::string output;
      int32_t result = CallService(service, RestOfLine(line), output, timeout, false, true);
      context.PrintLine("  " + service + " -> " + std::to_string(result) + "  " + output);
      if (result < 0) ++failures;
    } else {
      throw UsageError("unknown script line: " + text);
    }
  }
  context.PrintLine(std::to_string(failures) + " calls returned a negative result");
  return 0;
}

const CommandRegistration kRegistration{
    {"session", "run a script of service calls in one process (see the file's header for the lines)",
     "session <script|->", RunSession}};

}  // namespace
}  // namespace ruzi::cli
