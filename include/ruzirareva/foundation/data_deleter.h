#pragma once
// Containers that keep untyped data blocks release them through the deleter they were given,
// so a block always goes back the way it was allocated. An empty deleter leaves the blocks to
// their owner. A deleter runs on whichever thread releases the block.
#include <functional>

namespace ruzi {

using DataDeleter = std::function<void(void* data)>;

// The deleter for blocks allocated with `new T`.
template <typename T>
DataDeleter DeleterFor() {
  return [](void* data) { delete static_cast<T*>(data); };
}

}  // namespace ruzi
