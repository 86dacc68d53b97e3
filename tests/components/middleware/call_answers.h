#pragma once
// Unwrapping a server answer in tests: the reply or error a check expects, or a failure
// naming what came instead.
#include <gtest/gtest.h>

#include <optional>

#include "messages.h"

namespace ruzi::testing {

inline mw::CallReply ReplyOf(const std::optional<mw::Message>& answer) {
  if (!answer) {
    ADD_FAILURE() << "no answer (connection closed or time-out)";
    return {};
  }
  if (auto* error = std::get_if<mw::ErrorReply>(&*answer)) {
    ADD_FAILURE() << "error " << error->error_number << ": " << error->text;
    return {};
  }
  if (auto* reply = std::get_if<mw::CallReply>(&*answer)) return *reply;
  ADD_FAILURE() << "unexpected message type " << answer->index();
  return {};
}

inline mw::ErrorReply ErrorOf(const std::optional<mw::Message>& answer) {
  if (answer) {
    if (auto* error = std::get_if<mw::ErrorReply>(&*answer)) return *error;
  }
  ADD_FAILURE() << (answer ? "not an error frame" : "no answer");
  return {};
}

}  // namespace ruzi::testing
