#pragma once
// Stable sort of (lead, index) entries by their 64-bit lead alone: least significant byte
// first, one counting pass for all eight bytes, skipping the bytes every lead shares. Linear in
// the entries, so a sibling list of a million rows sorts in a few passes over 16 MB.
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace ruzi {

struct LeadEntry {
  uint64_t Lead;
  int32_t Index;
};

inline void RadixSortByLead(std::vector<LeadEntry>& entries) {
  const size_t count = entries.size();
  if (count < 2) return;
  std::array<std::array<size_t, 256>, 8> counts{};
  for (const LeadEntry& entry : entries) {
    for (int digit = 0; digit < 8; ++digit) ++counts[digit][(entry.Lead >> (8 * digit)) & 0xFF];
  }
  std::vector<LeadEntry> other(count);
  for (int digit = 0; digit < 8; ++digit) {
    std::array<size_t, 256>& slots = counts[digit];
    if (slots[(entries[0].Lead >> (8 * digit)) & 0xFF] == count) continue;  // every lead shares it
    size_t next = 0;
    for (size_t& slot : slots) {
      const size_t here = slot;
      slot = next;
      next += here;
    }
    for (const LeadEntry& entry : entries) other[slots[(entry.Lead >> (8 * digit)) & 0xFF]++] = entry;
    entries.swap(other);
  }
}

}  // namespace ruzi
