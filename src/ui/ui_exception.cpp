#include "ui/ui_exception.h"

#include <stdexcept>
#include <string>

#include "platform/debug_output.h"

namespace ruzi {
namespace {

TUiExceptionEvent handler;

void Report(const std::exception& error) {
  if (handler.Assigned()) {
    handler(error);
  } else {
    platform::WriteDebugOutput(std::string("ruzirareva: ") + error.what() + "\n");
  }
}

}  // namespace

void SetUiExceptionHandler(TUiExceptionEvent new_handler) { handler = new_handler; }

TUiExceptionEvent UiExceptionHandler() { return handler; }

void HandleUiException() {
  try {
    try {
      throw;
    } catch (const std::exception& error) {
      Report(error);
    } catch (...) {
      Report(std::runtime_error("unknown exception"));
    }
  } catch (...) {
    // The handler itself failed: nothing more may leave the window procedure.
  }
}

}  // namespace ruzi
