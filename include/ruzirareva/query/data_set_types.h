#pragma once
// The small enumerations and event records every dataset shares. Events are a code address and
// the object it is called for, as everywhere in the library; an event without code is skipped.
#include <cstdint>
#include <string>

namespace ruzi {

class DataSet;
class DataField;

enum TDataSetState : uint8_t {
  dsInactive,
  dsBrowse,
  dsEdit,
  dsInsert,
  dsSetKey,
  dsCalcFields,
  dsFilter,
  dsNewValue,
  dsOldValue,
  dsCurValue,
  dsBlockRead,
  dsInternalCalc,
  dsOpening,
};

// What GetRecord is asked for, and what it answers.
enum TGetMode : uint8_t { gmCurrent, gmNext, gmPrior };
enum TGetResult : uint8_t { grOK, grBOF, grEOF, grError };

// Where a record buffer stands: on a record, on a record being inserted before another, or on
// one of the two ends (a record appended at the end carries bfEOF).
enum TBookmarkFlag : uint8_t { bfCurrent, bfBOF, bfEOF, bfInserted };

// What a data link hears.
enum TDataEvent : uint8_t {
  deFieldChange,
  deRecordChange,
  deDataSetChange,
  deDataSetScroll,
  deLayoutChange,
  deUpdateRecord,
  deUpdateState,
  deCheckBrowseMode,
  dePropertyChange,
  deFieldListChange,
  deFocusControl,
};

enum TResyncMode : unsigned { rmExact = 1, rmCenter = 2 };
enum TFilterOption : unsigned { foCaseInsensitive = 1, foNoPartialCompare = 2 };
enum TLocateOption : unsigned { loCaseInsensitive = 1, loPartialKey = 2 };
enum TUpdateStatus : uint8_t { usUnmodified, usModified, usInserted, usDeleted };
enum TDataAction : uint8_t { daFail, daAbort, daRetry };

// A bookmark: the 20 bytes of GetBookStr (record number, sequence number); empty is none.
using TBookmark = std::string;

struct TDataSetNotifyEvent {
  void (*Code)(void* Data, DataSet* Sender) = nullptr;
  void* Data = nullptr;
};

struct TFilterRecordEvent {
  void (*Code)(void* Data, DataSet* Sender, bool& Accept) = nullptr;
  void* Data = nullptr;
};

// Message is the failure's text; Action starts as daFail (raise it again).
struct TDataSetErrorEvent {
  void (*Code)(void* Data, DataSet* Sender, const std::string& Message, TDataAction& Action) = nullptr;
  void* Data = nullptr;
};

}  // namespace ruzi
