#pragma once
// A packet read in written again: definitions, rows, return code, each value by its field's
// type, so binary numbers keep their exact value. The writer must be started and empty.
namespace ruzi::sdk {

class PacketReader;
class PacketWriter;

void CopyPacket(const PacketReader& from, PacketWriter& to);

}  // namespace ruzi::sdk
