#pragma once
// Checks that a call throws ruzi::Error with exactly the message the user would see.
#include <gtest/gtest.h>

#include "foundation/error.h"

namespace ruzi::testing {

template <typename Call>
void ExpectError(Call call, const char* message) {
  try {
    call();
    ADD_FAILURE() << "no error, expected " << message;
  } catch (const Error& error) {
    EXPECT_STREQ(error.what(), message);
  }
}

}  // namespace ruzi::testing
