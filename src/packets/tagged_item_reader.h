#pragma once
// Reads a tag text ("<name>value</name>" items end to end) item after item. Each item is split
// where the client has always split it: the name between the first "<" and the next ">", the
// value up to the first "</name>" after it, the rest after that closing tag; with no closing
// tag the value is empty and the rest starts two bytes after the ">" (so malformed text splits
// the same way as ever).
//
// Searching the rest of the text again for every item costs the square of the length when the
// tags are left open (100,000 unclosed tags of hostile text took minutes). The reader instead
// remembers where the next "<" and ">" lie, and searches for closing tags directly only while
// those searches have looked at no more than about twice the text: past that it builds an index
// of every "</…>" in one pass and finds each closing tag there. Well-formed text never pays for
// the index; any text reads in time linear in its length.
// One reader serves one thread; the text must outlive it.
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "packets/tagged_package.h"

namespace ruzi {

class TaggedItemReader {
 public:
  explicit TaggedItemReader(std::string_view text) : TaggedItemReader(text, 2 * text.size() + 64) {}
  // With the number of bytes direct searches may look at before the index takes over (tests
  // force either way).
  TaggedItemReader(std::string_view text, size_t direct_search_bytes);

  // The next item, or false once the text is used up (an empty text has no items).
  bool Next(TaggedItemView& item);

 private:
  // A "</" at `position` whose name runs to the next ">"; same-named ones are chained in
  // text order.
  struct ClosingTag {
    size_t position;
    uint64_t hash;
    uint32_t name_length;
    int32_t next_same;
  };
  // The first closing tag of a name not yet passed; `first` is -1 in an empty slot.
  struct Slot {
    uint64_t hash;
    size_t name_length;
    int32_t first;
  };

  size_t NextByte(char byte, size_t from, size_t& cached) const;
  // Every closing tag at or after `from`.
  void IndexClosingTags(size_t from);
  Slot& SlotOf(uint64_t hash, size_t name_length);
  // The slot of a closing tag's name, claimed (and the table grown) when the name is new.
  Slot& ClaimSlot(uint64_t hash, size_t name_length);
  // Position of the first "</name>" after the name text_[from, name_end), or npos.
  size_t FindClosing(size_t from, size_t name_end);
  // The same by looking, or kOverBudget once it would pass the bytes left for looking.
  size_t SearchClosing(size_t from, size_t name_end);
  static constexpr size_t kOverBudget = static_cast<size_t>(-2);

  std::string_view text_;
  size_t start_ = 0;
  // Last answers of the searches for "<" and ">": still right while they lie ahead.
  size_t next_open_ = 0;
  size_t next_close_ = 0;
  size_t used_slots_ = 0;
  size_t search_budget_;
  bool indexed_ = false;
  std::vector<ClosingTag> closing_tags_;
  std::vector<Slot> slots_;  // open addressing, a power of two long, at most half used
};

}  // namespace ruzi
