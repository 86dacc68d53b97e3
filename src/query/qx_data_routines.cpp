#include "query/qx_data_routines.h"

namespace ruzi {
namespace {

constexpr size_t kBookmarkSize = 20;
constexpr size_t kSeqNoOffset = 10;

void PutLittleEndian(std::string& text, size_t at, int32_t value) {
  const auto bits = static_cast<uint32_t>(value);
  for (size_t i = 0; i < 4; ++i) text[at + i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

int32_t GetLittleEndian(std::string_view text, size_t at) {
  if (text.size() < kBookmarkSize) return 0;
  uint32_t bits = 0;
  for (size_t i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(static_cast<unsigned char>(text[at + i])) << (8 * i);
  return static_cast<int32_t>(bits);
}

}  // namespace

std::string GetBookStr(int32_t rec_no, int32_t seq_no) {
  std::string bookmark(kBookmarkSize, '\0');
  PutLittleEndian(bookmark, 0, rec_no);
  PutLittleEndian(bookmark, kSeqNoOffset, seq_no);
  return bookmark;
}

int32_t BookStrRecNo(std::string_view bookmark) { return GetLittleEndian(bookmark, 0); }
int32_t BookStrSeqNo(std::string_view bookmark) { return GetLittleEndian(bookmark, kSeqNoOffset); }

int GetDataPos(std::string_view separator, std::string_view text) {
  if (separator.empty()) return 0;
  const size_t at = text.find(separator);
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

void BufferToByteArray(const void* buffer, int size, Variant& value) {
  if (buffer == nullptr || size <= 0) {
    value = Variant::FromBytes({});
    return;
  }
  value = Variant::FromBytes(std::string_view(static_cast<const char*>(buffer), static_cast<size_t>(size)));
}

}  // namespace ruzi
