#include "packets/tagged_item_reader.h"

#include <algorithm>
#include <cstring>

#include "foundation/byte_search.h"

namespace ruzi {
namespace {

constexpr int32_t kEmptySlot = -1;
constexpr int32_t kChainEnd = -2;

// Polynomial hash modulo the prime 2^61-1, grown at the front one byte at a time: closing-tag
// names and the names looked up both end just before a ">", so both are hashed backwards from
// it. Equal hashes are confirmed by comparing the bytes.
class FrontGrownHash {
 public:
  void Prepend(char byte) {
    hash_ = Reduce(hash_ + MultiplyMod(static_cast<unsigned char>(byte) + 1u, power_));
    power_ = MultiplyMod(power_, kBase);
  }
  uint64_t Value() const { return hash_; }

 private:
  static constexpr uint64_t kModulus = (uint64_t{1} << 61) - 1;
  static constexpr uint64_t kBase = 0x1D5B3C4A2F6E987ULL % kModulus;

  static uint64_t Reduce(uint64_t value) { return value >= kModulus ? value - kModulus : value; }
  static uint64_t MultiplyMod(uint64_t a, uint64_t b) {
    __extension__ using Wide = unsigned __int128;
    const Wide product = static_cast<Wide>(a) * b;
    return Reduce((static_cast<uint64_t>(product) & kModulus) + static_cast<uint64_t>(product >> 61));
  }

  uint64_t hash_ = 0;
  uint64_t power_ = 1;
};

uint64_t HashOf(std::string_view text, size_t begin, size_t end) {
  FrontGrownHash hash;
  for (size_t at = end; at > begin; --at) hash.Prepend(text[at - 1]);
  return hash.Value();
}

}  // namespace

TaggedItemReader::TaggedItemReader(std::string_view text, size_t direct_search_bytes)
    : text_(text), search_budget_(direct_search_bytes) {
  next_open_ = FindByte(text_.data(), text_.size(), '<');
  next_close_ = FindByte(text_.data(), text_.size(), '>');
}

size_t TaggedItemReader::NextByte(char byte, size_t from, size_t& cached) const {
  // Searches only start further on, so each byte is looked at once per searched byte value.
  if (cached < from) cached = from + FindByte(text_.data() + from, text_.size() - from, byte);
  return cached;
}

void TaggedItemReader::IndexClosingTags(size_t from) {
  const size_t size = text_.size();
  size_t close = next_close_;  // valid from the current item's name on, as is every search here
  for (;;) {
    const size_t open = from + FindByte(text_.data() + from, size - from, '<');
    if (open + 1 >= size) break;
    if (text_[open + 1] != '/') {
      from = open + 1;
      continue;
    }
    close = NextByte('>', open + 2, close);
    if (close == size) break;  // no ">" ends this or any later one
    closing_tags_.push_back({open, 0, static_cast<uint32_t>(close - open - 2), kChainEnd});
    from = open + 2;
  }
  if (closing_tags_.empty()) return;

  // Names ending at the same ">" overlap ("</a</b>"): hash them in one walk back from it.
  for (size_t first = 0; first < closing_tags_.size();) {
    const auto name_end = [&](size_t i) { return closing_tags_[i].position + 2 + closing_tags_[i].name_length; };
    size_t last = first;
    while (last < closing_tags_.size() && name_end(last) == name_end(first)) ++last;
    FrontGrownHash hash;
    size_t at = name_end(first);
    for (size_t i = last; i-- > first;) {
      for (; at > closing_tags_[i].position + 2; --at) hash.Prepend(text_[at - 1]);
      closing_tags_[i].hash = hash.Value();
    }
    first = last;
  }

  slots_.assign(16, Slot{0, 0, kEmptySlot});
  for (size_t i = closing_tags_.size(); i-- > 0;) {
    ClosingTag& tag = closing_tags_[i];
    Slot& slot = ClaimSlot(tag.hash, tag.name_length);
    tag.next_same = slot.first;
    slot.first = static_cast<int32_t>(i);
  }
}

TaggedItemReader::Slot& TaggedItemReader::ClaimSlot(uint64_t hash, size_t name_length) {
  Slot* slot = &SlotOf(hash, name_length);
  if (slot->first != kEmptySlot) return *slot;
  if (2 * (used_slots_ + 1) > slots_.size()) {
    // Sized by the names met, not by the tags: one name closed 100,000 times takes one slot.
    std::vector<Slot> old(2 * slots_.size(), Slot{0, 0, kEmptySlot});
    old.swap(slots_);
    for (const Slot& kept : old) {
      if (kept.first != kEmptySlot) SlotOf(kept.hash, kept.name_length) = kept;
    }
    slot = &SlotOf(hash, name_length);
  }
  ++used_slots_;
  *slot = Slot{hash, name_length, kChainEnd};
  return *slot;
}

TaggedItemReader::Slot& TaggedItemReader::SlotOf(uint64_t hash, size_t name_length) {
  const size_t mask = slots_.size() - 1;
  for (size_t at = (hash ^ (name_length * 0x9E3779B97F4A7C15ULL)) & mask;; at = (at + 1) & mask) {
    Slot& slot = slots_[at];
    if (slot.first == kEmptySlot || (slot.hash == hash && slot.name_length == name_length)) return slot;
  }
}

size_t TaggedItemReader::SearchClosing(size_t from, size_t name_end) {
  const size_t size = text_.size();
  const size_t name_length = name_end - from;
  // A closing tag cannot start inside the name or on its ">".
  for (size_t at = name_end + 1; at <= size;) {
    const size_t open = at + FindByte(text_.data() + at, size - at, '<');
    const size_t cost = open - at + name_length + 3;
    if (cost > search_budget_) return kOverBudget;
    search_budget_ -= cost;
    if (open + name_length + 3 > size) break;
    if (text_[open + 1] == '/' && text_[open + 2 + name_length] == '>' &&
        std::memcmp(text_.data() + open + 2, text_.data() + from, name_length) == 0) {
      return open;
    }
    at = open + 1;
  }
  return std::string_view::npos;
}

size_t TaggedItemReader::FindClosing(size_t from, size_t name_end) {
  if (!indexed_) {
    const size_t found = SearchClosing(from, name_end);
    if (found != kOverBudget) return found;
    IndexClosingTags(from);
    indexed_ = true;
  }
  if (slots_.empty()) return std::string_view::npos;
  const size_t name_length = name_end - from;
  Slot& slot = SlotOf(HashOf(text_, from, name_end), name_length);
  if (slot.first == kEmptySlot) return std::string_view::npos;
  // Tags already passed are dropped for good: later searches start further on.
  while (slot.first >= 0 && closing_tags_[static_cast<size_t>(slot.first)].position < from) {
    slot.first = closing_tags_[static_cast<size_t>(slot.first)].next_same;
  }
  for (int32_t i = slot.first; i >= 0; i = closing_tags_[static_cast<size_t>(i)].next_same) {
    const size_t position = closing_tags_[static_cast<size_t>(i)].position;
    if (std::memcmp(text_.data() + position + 2, text_.data() + from, name_length) == 0) return position;
  }
  return std::string_view::npos;
}

bool TaggedItemReader::Next(TaggedItemView& item) {
  const size_t size = text_.size();
  if (start_ >= size) return false;
  const size_t open = NextByte('<', start_, next_open_);
  const size_t tail = open == size ? start_ : open + 1;
  const size_t close = NextByte('>', tail, next_close_);
  item.name = {};
  item.value = {};
  if (close == size) {
    start_ = std::min(tail + 2, size);  // the empty name's "</>" cannot follow without a ">"
  } else {
    item.name = text_.substr(tail, close - tail);
    const size_t closing = FindClosing(tail, close);
    if (closing == std::string_view::npos) {
      start_ = std::min(close + 2, size);
    } else {
      item.value = text_.substr(close + 1, closing - close - 1);
      start_ = closing + item.name.size() + 3;
    }
  }
  item.rest = text_.substr(start_);
  return true;
}

}  // namespace ruzi
