// A database sequence's next value, through the named query the back end keeps for it.
#include "query/data_field.h"
#include "query/qx_data_set.h"
#include "service/qx_comm.h"

namespace ruzi {

std::string qxGetSeqNextValue(const std::string& SequenceName) {
  TQXQuery query;
  query.setQueryName("FutFreeTradeQrySeqNextValue", "sSequenceName=" + SequenceName + ".NEXTVAL ");
  query.Open();
  return query.FieldByName("val")->AsString();
}

}  // namespace ruzi
