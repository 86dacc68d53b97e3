// Any bytes: the parser either fails or gives a table that writes back to an equal table.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "packets/record_pack.h"
#include "packets/record_pack_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  auto table = ruzi::ParseRecordPackText(text);
  if (!table) return 0;
  auto again = ruzi::ParseRecordPackText(ruzi::WriteRecordPackText(*table));
  if (!again || again->fields != table->fields || again->rows != table->rows) std::abort();
  ruzi::RecordPack pack;
  pack.Parse(text);
  for (pack.First(); !pack.Eof(); pack.Next()) {
    double d;
    int64_t l;
    for (int f = 0; f < pack.FieldCount(); ++f) {
      pack.GetDouble(f, &d);
      pack.GetInt64(f, &l);
    }
  }
  return 0;
}
