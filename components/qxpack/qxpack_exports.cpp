// qxPack.dll: a record pack per handle. Every function takes the handle first; setters and
// getters answer 0 for success. A null handle is answered like a failure, never dereferenced.
#include <cstdint>
#include <cstring>

#include "packets/record_pack.h"

using ruzi::RecordPack;

namespace {

constexpr int kNoHandle = -1;

RecordPack* Pack(void* handle) { return static_cast<RecordPack*>(handle); }

}  // namespace

extern "C" {

void* qp_Create() { return new RecordPack(); }
void qp_Destroy(void* h) { delete Pack(h); }
void qp_Clear(void* h) {
  if (h) Pack(h)->Clear();
}
int qp_Parse(void* h, const char* text) { return h && text ? Pack(h)->Parse(text) : kNoHandle; }
// Length of the pack's text; qp_GetText writes exactly that many bytes (no terminator).
int qp_GetTextLength(void* h) { return h ? static_cast<int>(Pack(h)->Text().size()) : 0; }
int qp_GetText(void* h, char* buffer) {
  if (!h || !buffer) return kNoHandle;
  std::string text = Pack(h)->Text();
  std::memcpy(buffer, text.data(), text.size());
  return 0;
}
void qp_First(void* h) {
  if (h) Pack(h)->First();
}
int qp_GetRecNo(void* h) { return h ? Pack(h)->RecNo() : 0; }
void qp_Next(void* h) {
  if (h) Pack(h)->Next();
}
int qp_SetRecNo(void* h, int row) { return h ? Pack(h)->SetRecNo(row) : kNoHandle; }
int qp_Eof(void* h) { return h ? Pack(h)->Eof() : 1; }
int qp_GetRecordCount(void* h) { return h ? Pack(h)->RecordCount() : 0; }
int qp_GetFieldIndex(void* h, const char* name) { return h && name ? Pack(h)->FieldIndex(name) : -1; }
const char* qp_GetFieldName(void* h, int index) {
  const std::string* name = h ? Pack(h)->FieldName(index) : nullptr;
  return name ? name->c_str() : nullptr;
}
int qp_GetFieldCount(void* h) { return h ? Pack(h)->FieldCount() : 0; }
int qp_AddField(void* h, const char* name) { return h && name ? Pack(h)->AddField(name) : kNoHandle; }
int qp_DeleteField(void* h, int index) { return h ? Pack(h)->DeleteField(index) : kNoHandle; }
int qp_AppendRow(void* h) { return h ? Pack(h)->AppendRow() : kNoHandle; }
int qp_DeleteRow(void* h) { return h ? Pack(h)->DeleteRow() : kNoHandle; }
int qp_DeleteRowAt(void* h, int row) { return h ? Pack(h)->DeleteRowAt(row) : kNoHandle; }
int qp_InsertRow(void* h) { return h ? Pack(h)->InsertRow() : kNoHandle; }
int qp_SetText(void* h, int field, const char* text, int length) {
  if (!h || (!text && length > 0) || length < 0) return kNoHandle;
  return Pack(h)->SetText(field, std::string_view(text ? text : "", static_cast<size_t>(length)));
}
int qp_SetInt32(void* h, int field, int32_t value) { return h ? Pack(h)->SetInt32(field, value) : kNoHandle; }
int qp_SetDouble(void* h, int field, double value) { return h ? Pack(h)->SetDouble(field, value) : kNoHandle; }
int qp_SetChar(void* h, int field, char value) { return h ? Pack(h)->SetChar(field, value) : kNoHandle; }
int qp_SetInt64(void* h, int field, int64_t value) { return h ? Pack(h)->SetInt64(field, value) : kNoHandle; }
// An empty cell is this format's null.
int qp_SetNull(void* h, int field) { return h ? Pack(h)->SetText(field, "") : kNoHandle; }
int qp_IsNull(void* h, int field) {
  const std::string* cell = nullptr;
  if (!h || Pack(h)->GetText(field, &cell) != 0) return 1;
  return cell->empty();
}
int qp_GetInt32(void* h, int field, int32_t* value) { return h && value ? Pack(h)->GetInt32(field, value) : kNoHandle; }
int qp_GetDouble(void* h, int field, double* value) { return h && value ? Pack(h)->GetDouble(field, value) : kNoHandle; }
int qp_GetChar(void* h, int field, char* value) { return h && value ? Pack(h)->GetChar(field, value) : kNoHandle; }
int qp_GetInt64(void* h, int field, int64_t* value) { return h && value ? Pack(h)->GetInt64(field, value) : kNoHandle; }
// The pointer stays valid until the pack changes.
int qp_GetString(void* h, int field, const char** value) {
  const std::string* cell = nullptr;
  if (!h || !value) return kNoHandle;
  if (int code = Pack(h)->GetText(field, &cell)) return code;
  *value = cell->c_str();
  return 0;
}
int qp_GetValueLength(void* h, int field) {
  const std::string* cell = nullptr;
  if (!h || Pack(h)->GetText(field, &cell) != 0) return -1;
  return static_cast<int>(cell->size());
}
void qp_ClearData(void* h) {
  if (h) Pack(h)->ClearData();
}

}  // extern "C"
