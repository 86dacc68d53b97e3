#include "query/field_type.h"

namespace ruzi {

bool IsIntegerFieldType(TFieldType type) {
  return type == ftSmallint || type == ftInteger || type == ftWord || type == ftAutoInc || type == ftLargeint;
}

bool IsFloatFieldType(TFieldType type) { return type == ftFloat || type == ftCurrency || type == ftBCD; }

bool IsDateTimeFieldType(TFieldType type) { return type == ftDate || type == ftTime || type == ftDateTime; }

const char* FieldTypeName(TFieldType type) {
  static const char* const kNames[] = {"Unknown", "String",   "SmallInt",   "Integer",    "Word",
                                       "Boolean", "Float",    "Currency",   "BCD",        "Date",
                                       "Time",    "DateTime", "Bytes",      "VarBytes",   "AutoInc",
                                       "Blob",    "Memo",     "FixedChar",  "WideString", "LargeInt"};
  return type <= ftLargeint ? kNames[type] : "Unknown";
}

}  // namespace ruzi
