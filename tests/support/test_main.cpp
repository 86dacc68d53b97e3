// main() of every test executable.
#include <gtest/gtest.h>

#include "test_environment.h"

int main(int argc, char** argv) {
  ruzi::testing::PrepareTestProcess();
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
