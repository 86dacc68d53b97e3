#include <windows.h>

#include "test_environment.h"

namespace ruzi::testing {

void PrepareTestProcess() { SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX); }

}  // namespace ruzi::testing
