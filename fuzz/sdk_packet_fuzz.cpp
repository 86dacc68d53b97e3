// SDK packets (both versions) from arbitrary bytes: no read outside the input, every value
// readable by every accessor, and a packet that opens writes back the same: version 2 byte
// for byte, version 1 (whose numbers are text) the same after one normalising copy.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "foundation/error.h"
#include "packets/sdk_packet/sdk_packet_copy.h"
#include "packets/sdk_packet/sdk_packet_reader.h"
#include "packets/sdk_packet/sdk_packet_writer.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

std::string Copied(const ruzi::sdk::PacketReader& reader) {
  ruzi::sdk::PacketWriter writer(reader.Version());
  writer.Start();
  ruzi::sdk::CopyPacket(reader, writer);
  writer.Finish();
  return std::string(writer.Data(), writer.Size());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 1 << 20) return 0;
  std::vector<char> bytes(data, data + size);  // exact size, so ASan sees any overrun
  ruzi::sdk::PacketReader reader;
  try {
    reader.Open(bytes.data(), bytes.size());
  } catch (const ruzi::Error&) {
    Check(reader.RowCount() == 0 && reader.FieldCount() == 0);
    return 0;
  }
  for (size_t row = 0; row < reader.RowCount(); ++row) {
    for (size_t column = 0; column < reader.FieldCount(); ++column) {
      (void)reader.Text(row, column);
      (void)reader.Int(row, column);
      (void)reader.Double(row, column);
      (void)reader.Char(row, column);
      (void)reader.Bytes(row, column);
      (void)reader.TextInPlace(row, column);
    }
  }
  for (size_t column = 0; column < reader.FieldCount(); ++column) {
    Check(reader.FieldIndex(reader.Field(column).name) >= 0);
  }

  const std::string once = Copied(reader);
  if (reader.Version() == 2) Check(once == std::string(bytes.begin(), bytes.end()));
  std::vector<char> once_bytes(once.begin(), once.end());
  ruzi::sdk::PacketReader again;
  again.Open(once_bytes.data(), once_bytes.size());  // a copy always opens
  Check(again.RowCount() == reader.RowCount() && again.FieldCount() == reader.FieldCount());
  Check(Copied(again) == once);
  return 0;
}
