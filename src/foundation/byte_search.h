#pragma once
// Where a C text ends inside a buffer of known size. Service texts run to 64 KB and more,
// and the CRT's strlen/memchr under Wine test one byte at a time; this tests eight.
#include <cstddef>

namespace ruzi {

// Index of the first NUL among the first `size` bytes, or `size` when there is none.
size_t TextLength(const char* data, size_t size);

}  // namespace ruzi
