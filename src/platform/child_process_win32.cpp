#include <windows.h>

#include "platform/child_process.h"
#include "platform/text_encoding.h"

namespace ruzi::platform {

int RunProgram(const std::string& program, const std::vector<std::string>& args) {
  std::wstring command = L"\"" + GbkToWide(program) + L"\"";
  for (const std::string& arg : args) command += L" \"" + GbkToWide(arg) + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process)) {
    return -1;
  }
  WaitForSingleObject(process.hProcess, INFINITE);
  DWORD code = 0;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<int>(code);
}

}  // namespace ruzi::platform
