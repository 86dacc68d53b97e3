#pragma once
// The kinds of values a dataset field holds, in the order the client numbers them, and what a
// field is (stored data or worked out). Every value travels as GBK text; the type rules how the
// text is checked, converted and compared.
#include <cstdint>

#include "ruzirareva/export.h"

namespace ruzi {

enum TFieldType : uint8_t {
  ftUnknown,
  ftString,
  ftSmallint,
  ftInteger,
  ftWord,
  ftBoolean,
  ftFloat,
  ftCurrency,
  ftBCD,  // decimal
  ftDate,
  ftTime,
  ftDateTime,
  ftBytes,
  ftVarBytes,
  ftAutoInc,
  ftBlob,
  ftMemo,
  ftFixedChar,
  ftWideString,
  ftLargeint,
};

enum TFieldKind : uint8_t { fkData, fkCalculated, fkLookup, fkInternalCalc, fkAggregate };

// Small integer, integer, word, auto-increment and large integer.
RUZI_API bool IsIntegerFieldType(TFieldType type);
// Float, currency and decimal.
RUZI_API bool IsFloatFieldType(TFieldType type);
// Date, time and date-time.
RUZI_API bool IsDateTimeFieldType(TFieldType type);
// The field type's name as the client writes it ("String", "Integer", "DateTime" ...).
RUZI_API const char* FieldTypeName(TFieldType type);

}  // namespace ruzi
