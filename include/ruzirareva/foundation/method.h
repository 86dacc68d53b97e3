#pragma once
// Event handlers as {code, data} pairs: a plain function and the object it works for. A pair can
// be saved, compared, handed across a module boundary and called later; an empty pair does
// nothing when called. Plain values: any thread may copy them.
#include <utility>

namespace ruzi {

using TCodePointer = void (*)();

// The untyped form, in which handlers are stored and published.
struct TMethod {
  TCodePointer Code = nullptr;
  void* Data = nullptr;

  bool Assigned() const { return Code != nullptr; }
  friend bool operator==(const TMethod&, const TMethod&) = default;
};

// A typed handler: Code receives Data first, then the event's arguments.
template <typename... Args>
struct TEvent {
  using Function = void (*)(void* data, Args... args);

  Function Code = nullptr;
  void* Data = nullptr;

  bool Assigned() const { return Code != nullptr; }
  void operator()(Args... args) const {
    if (Code != nullptr) Code(Data, std::forward<Args>(args)...);
  }

  TMethod AsMethod() const { return TMethod{reinterpret_cast<TCodePointer>(Code), Data}; }
  static TEvent FromMethod(const TMethod& method) {
    return TEvent{reinterpret_cast<Function>(method.Code), method.Data};
  }
  friend bool operator==(const TEvent&, const TEvent&) = default;
};

class TPersistent;

// The common "something happened to this sender" event.
using TNotifyEvent = TEvent<TPersistent*>;

}  // namespace ruzi
