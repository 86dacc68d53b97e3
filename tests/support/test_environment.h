#pragma once

namespace ruzi::testing {

// Process settings every test run needs (under Windows: no error dialogs that would hang a
// headless run).
void PrepareTestProcess();

}  // namespace ruzi::testing
