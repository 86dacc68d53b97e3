#include "packets/sdk_packet/sdk_packet_copy.h"

#include "packets/sdk_packet/sdk_packet_layout.h"
#include "packets/sdk_packet/sdk_packet_reader.h"
#include "packets/sdk_packet/sdk_packet_writer.h"

namespace ruzi::sdk {

void CopyPacket(const PacketReader& from, PacketWriter& to) {
  for (size_t column = 0; column < from.FieldCount(); ++column) {
    const FieldInfo& field = from.Field(column);
    to.DefineField(field.name, field.type, field.width, field.scale);
  }
  for (size_t row = 0; row < from.RowCount(); ++row) {
    for (size_t column = 0; column < from.FieldCount(); ++column) {
      switch (from.Field(column).type) {
        case kTypeInt: to.PutInt(from.Int(row, column)); break;
        case kTypeFloat: to.PutDouble(from.Double(row, column)); break;
        case kTypeChar: to.PutChar(from.Char(row, column)); break;
        default: {
          const std::string_view bytes = from.Bytes(row, column);
          to.PutRaw(bytes.data(), bytes.size());
        }
      }
    }
  }
  to.SetReturnCode(from.ReturnCode());
}

}  // namespace ruzi::sdk
