#pragma once
// Which ends of a span count as days: a set of TCountDayType. A value type: any thread may use its
// own copies.
#include <cstdint>
#include <initializer_list>

namespace ruzi {

enum TCountDayType : uint8_t { cdtBegin = 0, cdtEnd = 1 };

class TCountDayTypes {
 public:
  TCountDayTypes() = default;
  TCountDayTypes(std::initializer_list<TCountDayType> types) {
    for (TCountDayType type : types) bits_ |= static_cast<uint8_t>(1u << type);
  }
  bool Contains(TCountDayType type) const { return (bits_ >> type & 1u) != 0; }

 private:
  uint8_t bits_ = 0;
};

}  // namespace ruzi
