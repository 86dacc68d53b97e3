#include "fml_fields.h"

#include <cstring>

namespace ruzi::wsclient {
namespace {

constexpr size_t kEntryHeaderBytes = 8;

uint32_t ReadU32(const char* at) {
  uint32_t value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

void WriteU32(char* at, uint32_t value) { std::memcpy(at, &value, sizeof value); }

// The value's length by its type, or -1 for an unknown type or a bad byte-array length.
int32_t ValueLength(int32_t field_id, const void* value, int32_t length) {
  switch (static_cast<uint32_t>(field_id) >> 25) {
    case 0:
      return 2;
    case 1:
    case 3:
      return 4;
    case 2:
      return 1;
    case 4:
      return 8;
    case 5:
      return static_cast<int32_t>(std::strlen(static_cast<const char*>(value)) + 1);
    case 6:
      return length >= 0 ? length : -1;
    default:
      return -1;
  }
}

// Offset of the entry holding the occurrence, or 0 (never an entry's offset) when absent.
size_t FindEntry(const char* region, int32_t field_id, int32_t occurrence) {
  size_t used = FmlUsedBytes(region);
  int32_t seen = 0;
  for (size_t at = kFmlMinimumBytes; at + kEntryHeaderBytes <= used;
       at += kEntryHeaderBytes + ReadU32(region + at + 4)) {
    if (static_cast<int32_t>(ReadU32(region + at)) == field_id && seen++ == occurrence) return at;
  }
  return 0;
}

}  // namespace

void InitFmlFields(char* region, size_t capacity) {
  if (capacity >= kFmlMinimumBytes) WriteU32(region, kFmlMinimumBytes);
}

size_t FmlUsedBytes(const char* region) { return ReadU32(region); }

int32_t FmlCount(const char* region, int32_t field_id) {
  size_t used = FmlUsedBytes(region);
  int32_t count = 0;
  for (size_t at = kFmlMinimumBytes; at + kEntryHeaderBytes <= used;
       at += kEntryHeaderBytes + ReadU32(region + at + 4)) {
    if (static_cast<int32_t>(ReadU32(region + at)) == field_id) ++count;
  }
  return count;
}

int32_t FmlGet(const char* region, int32_t field_id, int32_t occurrence, void* value, int32_t max_length,
               int32_t* length) {
  if (region == nullptr || occurrence < 0) return -1;
  size_t at = FindEntry(region, field_id, occurrence);
  if (at == 0) return -1;
  uint32_t size = ReadU32(region + at + 4);
  if (max_length > 0 && size > static_cast<uint32_t>(max_length)) return -1;
  if (value != nullptr) std::memcpy(value, region + at + kEntryHeaderBytes, size);
  if (length != nullptr) *length = static_cast<int32_t>(size);
  return 0;
}

int32_t FmlChange(char* region, size_t capacity, int32_t field_id, int32_t occurrence, const void* value,
                  int32_t length) {
  if (region == nullptr || value == nullptr || occurrence < 0) return -1;
  int32_t size = ValueLength(field_id, value, length);
  if (size < 0) return -1;
  size_t at = FindEntry(region, field_id, occurrence);
  if (at == 0) {
    if (FmlCount(region, field_id) != occurrence) return -1;  // only the next occurrence may be added
    return FmlAdd(region, capacity, field_id, value, length);
  }
  size_t used = FmlUsedBytes(region);
  size_t old_size = ReadU32(region + at + 4);
  size_t new_used = used - old_size + static_cast<size_t>(size);
  if (new_used > capacity) return -1;
  char* tail = region + at + kEntryHeaderBytes + old_size;
  std::memmove(region + at + kEntryHeaderBytes + size, tail, used - (at + kEntryHeaderBytes + old_size));
  std::memcpy(region + at + kEntryHeaderBytes, value, static_cast<size_t>(size));
  WriteU32(region + at + 4, static_cast<uint32_t>(size));
  WriteU32(region, static_cast<uint32_t>(new_used));
  return 0;
}

int32_t FmlAdd(char* region, size_t capacity, int32_t field_id, const void* value, int32_t length) {
  if (region == nullptr || value == nullptr) return -1;
  int32_t size = ValueLength(field_id, value, length);
  if (size < 0) return -1;
  size_t used = FmlUsedBytes(region);
  if (used + kEntryHeaderBytes + static_cast<size_t>(size) > capacity) return -1;
  WriteU32(region + used, static_cast<uint32_t>(field_id));
  WriteU32(region + used + 4, static_cast<uint32_t>(size));
  std::memcpy(region + used + kEntryHeaderBytes, value, static_cast<size_t>(size));
  WriteU32(region, static_cast<uint32_t>(used + kEntryHeaderBytes + size));
  return 0;
}

}  // namespace ruzi::wsclient
