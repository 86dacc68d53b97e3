// One value from a named query: the date and sequence services read the back end this way.
#include "platform/ini_file.h"
#include "query/data_field.h"
#include "query/qx_data_set.h"
#include "service/executable_ini.h"
#include "service/qx_comm.h"

namespace ruzi {
namespace {

// What an empty answer reads as, by the first field's type.
Variant EmptyAnswer(TFieldType type) {
  switch (type) {
    case ftSmallint:
    case ftInteger:
    case ftFloat:
    case ftCurrency:
    case ftAutoInc:
    case ftDateTime:
      return Variant::FromInteger(0);
    case ftString:
      return Variant::FromString("");
    default:
      return Variant();
  }
}

}  // namespace

std::string qxGetDbName() { return platform::ReadIniString(ExecutableIniFile(), "Database", "DbName", ""); }

Variant FetchQueryName(const std::string& QueryName, const std::string& Params, int32_t MaxRows, int32_t BeginDate,
                       int32_t EndDate) {
  TCustomAdsDataBase data_base;
  data_base.SetDataBaseName(qxGetDbName());
  TQXQuery query;
  query.SetDataBase(&data_base);
  query.SetBeginDate(BeginDate);
  query.SetEndDate(EndDate);
  query.SQL().clear();
  query.setQueryName(QueryName, Params, MaxRows);
  query.Open();
  if (query.GetFieldCount() == 0) return Variant();
  const DataField* first = query.Fields(0);
  if (query.GetRecordCount() == 0 || first->IsNull()) return EmptyAnswer(first->DataType());
  return first->AsVariant();
}

}  // namespace ruzi
