// Named-query replies on arbitrary bytes: decoding either raises ruzi::Error or gives a page
// whose every row has one cell per field, and a page loads into a memory dataset that then
// reads back the same cells.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "foundation/error.h"
#include "query/qx_query_reply.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view reply(reinterpret_cast<const char*>(data), size);
  ruzi::QxReplyPage page;
  try {
    page = ruzi::DecodeQueryReply(reply);
  } catch (const ruzi::Error&) {
    return 0;
  }
  if (page.Code != 0 || page.RowsAffected >= 0) return 0;
  Check(!page.Fields.empty());
  ruzi::MemoryDataSet data_set;
  for (const ruzi::QxReplyField& field : page.Fields) data_set.GetFieldDefs().Add(field.Name, ruzi::ftString, field.Size);
  for (const auto& row : page.Rows) {
    Check(row.Count() == page.Fields.size());
    data_set.AddRow(row);
  }
  data_set.Open();
  Check(data_set.GetRecordCount() == static_cast<int>(page.Rows.size()));
  for (size_t r = 0; r < page.Rows.size(); ++r) {
    for (size_t f = 0; f < page.Fields.size(); ++f) {
      const auto text = data_set.ReadRecordText(static_cast<int>(r + 1), static_cast<int>(f));
      Check(text == page.Rows[r].CellAt(f));
    }
  }
  return 0;
}
