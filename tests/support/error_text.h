#pragma once
// The message of the ruzi::Error an action throws, or "(no error)": one comparison checks both
// that it failed and how.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "foundation/error.h"

namespace ruzi::testing {

inline std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const Error& error) {
    return error.what();
  }
  return "(no error)";
}

// The same as an expectation: `call` must throw exactly `message`.
template <typename Call>
void ExpectError(Call call, const std::string& message) {
  EXPECT_EQ(ErrorOf(call), message);
}

}  // namespace ruzi::testing
