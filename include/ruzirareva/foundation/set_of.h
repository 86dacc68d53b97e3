#pragma once
// A set of values of a small enumeration (at most 32), kept as bits: bit n stands for value n.
// Published as "[first,second]" (published_property.h). Plain values: any thread.
#include <cstdint>
#include <initializer_list>

namespace ruzi {

template <typename Enum>
struct TSetOf {
  uint32_t Bits = 0;

  constexpr TSetOf() = default;
  constexpr TSetOf(std::initializer_list<Enum> values) {
    for (Enum value : values) Bits |= Bit(value);
  }
  static constexpr TSetOf FromBits(uint32_t bits) {
    TSetOf set;
    set.Bits = bits;
    return set;
  }

  constexpr bool Contains(Enum value) const { return (Bits & Bit(value)) != 0; }
  constexpr TSetOf With(Enum value) const { return FromBits(Bits | Bit(value)); }
  constexpr TSetOf Without(Enum value) const { return FromBits(Bits & ~Bit(value)); }
  constexpr bool Empty() const { return Bits == 0; }
  friend constexpr bool operator==(const TSetOf&, const TSetOf&) = default;

 private:
  static constexpr uint32_t Bit(Enum value) { return uint32_t{1} << static_cast<unsigned>(value); }
};

}  // namespace ruzi
