#include "test_environment.h"

namespace ruzi::testing {

void PrepareTestProcess() {}

}  // namespace ruzi::testing
