// TUnpack::Open on arbitrary bytes: no crash, no read or write outside the input, the same
// items whether the reader copies the input or parses it in place, and every packet that
// opens reads back equal after being written again.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "foundation/error.h"
#include "packets/pack_ex.h"
#include "packets/unpack_ex.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// Opens the bytes; false when the packet is refused.
bool OpenPacket(ruzi::TUnpack& reader, std::vector<char>& bytes) {
  try {
    reader.Open(bytes.data(), static_cast<int32_t>(bytes.size()));
    return true;
  } catch (const ruzi::Error&) {
    return false;
  }
}

void CheckSameItems(ruzi::TUnpack& a, ruzi::TUnpack& b) {
  Check(a.SectionCount() == b.SectionCount());
  for (int32_t s = 0; s < a.SectionCount(); ++s) {
    const auto& items_a = a.GetSection(s).Items();
    const auto& items_b = b.GetSection(s).Items();
    Check(items_a.size() == items_b.size());
    for (size_t i = 0; i < items_a.size(); ++i) Check(std::strcmp(items_a[i].Text(), items_b[i].Text()) == 0);
  }
}

void Walk(ruzi::TUnpackSection& section, uint8_t moves) {
  if (section.ColCount() < 1) return;  // refused at its column count
  section.MoveBy(static_cast<int8_t>(moves));
  section.SetRecNo(moves >> 2);
  (void)section.GetField(0).GetAsInteger();
  // Full walks only over complete sections: a section cut short keeps its claimed counts, and
  // walking millions of claimed columns or rows would only measure patience.
  const int64_t complete = static_cast<int64_t>(section.ColCount()) * (static_cast<int64_t>(section.RowCount()) + 1);
  if (static_cast<int64_t>(section.Items().size()) != complete) return;
  for (section.First(); !section.Eof(); section.Next()) {
    for (int32_t c = 0; c < section.ColCount(); ++c) {
      const ruzi::TField field = section.GetField(c);
      (void)field.GetAsInteger();
      (void)field.AsBoolDef(false);
      (void)field.GetAsFloat();
    }
  }
  for (section.Last(); !section.Bof(); section.Prior()) (void)section.GetField(0).GetAsChar();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size > 1 << 20) return 0;
  std::vector<char> in_place(data, data + size);  // exact size, so ASan sees any overrun
  std::vector<char> copied(data, data + size);
  ruzi::TUnpack reader(false);
  ruzi::TUnpack owning(true);
  const bool opened = OpenPacket(reader, in_place);
  Check(OpenPacket(owning, copied) == opened);
  Check(size == 0 || std::memcmp(copied.data(), data, size) == 0);  // the copying reader leaves input alone
  CheckSameItems(reader, owning);
  for (int32_t s = 0; s < reader.SectionCount(); ++s) Walk(reader.GetSection(s), size > 0 ? data[size - 1] : 0);
  if (!opened) return 0;

  // Written again and read back: the same sections, names and values.
  ruzi::TPackEx pack(true);
  for (int32_t s = 0; s < reader.SectionCount(); ++s) {
    ruzi::TUnpackSection& section = reader.GetSection(s);
    pack.SetCurrentSection(s);
    pack.SetRange(section.ColCount(), section.RowCount());
    for (const ruzi::TField& item : section.Items()) {
      if (pack.GetSection(s).FieldsAdded() < section.ColCount()) pack.AddField(item.Text());
      else pack.AddValue(item.Text());
    }
  }
  pack.CheckBuffer();
  std::vector<char> rewritten(pack.Text().begin(), pack.Text().end());
  ruzi::TUnpack again(false);
  Check(OpenPacket(again, rewritten));
  CheckSameItems(reader, again);
  return 0;
}
