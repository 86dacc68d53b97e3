#pragma once
// The small enumerations of the data tree's rows and columns. Constants only.
#include <array>
#include <cstdint>

#include "ruzirareva/foundation/published_property.h"

namespace ruzi {

// A row slot's read state: never read, read, or stale (to be read or worked out again).
enum TFieldDataState : uint8_t { DSNoRead = 0, DSRead = 1, DSReset = 2 };

// Whether a row's block is allocated when the row is made or on its first write.
enum TFieldCreateModle : uint8_t { cmInitCreate = 0, cmGetCreate = 1 };

template <>
struct TEnumNames<TFieldCreateModle> {
  static constexpr std::array<const char*, 2> Names{"cmInitCreate", "cmGetCreate"};
};

// How a group row works out a column from its children.
enum TColFieldGroupType : uint8_t { GTNone = 0, GTSum, GTAvg, GTMax, GTMin, GTChk, GTMix };

enum TRowFieldGroupType : uint8_t { EGTNone = 0, EGTSum, EGTAvg, EGTMix };

enum TRowNodeType : uint8_t { NTClass = 0, NTStock, NTAccount, NTExtend };

enum TFieldSourceType : uint8_t { FSStock = 0, FSAccount };

// Whether group values count every child or only the visible ones.
enum TNodeCalcType : uint8_t { CTAll = 0, CTVisible = 1 };

}  // namespace ruzi
