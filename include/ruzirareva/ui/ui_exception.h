#pragma once
// Where an exception raised while a control handles a window message goes: no exception may
// cross a window procedure back into the system. The application sets a handler
// (Application->OnException); without one the message is written to the debugger output.
// User-interface thread only.
#include <exception>

#include "ruzirareva/export.h"
#include "ruzirareva/foundation/method.h"

namespace ruzi {

using TUiExceptionEvent = TEvent<const std::exception&>;

RUZI_API void SetUiExceptionHandler(TUiExceptionEvent handler);
RUZI_API TUiExceptionEvent UiExceptionHandler();
// Hands the exception being handled (inside a catch block) to the handler.
RUZI_API void HandleUiException();

}  // namespace ruzi
