#pragma once
// No calendar function lets an exception out: the caller gets the function's failure value.
namespace ruzi {

template <typename Result, typename Body>
Result CalendarGuard(Result failure, Body body) noexcept {
  try {
    return body();
  } catch (...) {
    return failure;
  }
}

}  // namespace ruzi
