// The host frame's operation log from an executable that keeps none: the lookup error names
// the executable and the export.
#include <gtest/gtest.h>

#include "error_text.h"
#include "service/operation_log.h"

namespace ruzi {
namespace {

TEST(HostOperateLog, AnExecutableWithoutTheExportRaisesTheLookupError) {
  const std::string message = testing::ErrorOf([] { WriteOperateLog("a", "b", "c"); });
  const std::string tail = "文件中未找到函数WriteOperateLog";
  EXPECT_TRUE(message == "service_tests" + tail || message == "service_tests.exe" + tail) << message;
}

}  // namespace
}  // namespace ruzi
