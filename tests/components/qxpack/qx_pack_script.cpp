#include "qx_pack_script.h"

#include "packets/qx_pack.h"
#include "vector_file.h"

namespace ruzi::testing {
namespace {

// GetValue of one type; the variable starts as `kept` and is shown after a failure too.
template <typename T>
std::string Get(TQxPack& pack, int field, T kept, std::string (*show)(T)) {
  const bool failed = pack.GetValue(field, kept);
  return (failed ? "failed " : "") + show(kept);
}

std::string Set(TQxPack& pack, int field, const std::string& type, const std::string& value) {
  if (type == "int32") return Num(pack.SetValue(field, static_cast<int32_t>(std::stol(value))));
  if (type == "int64") return Num(pack.SetValue(field, static_cast<int64_t>(std::stoll(value))));
  if (type == "double") return Num(pack.SetValue(field, std::stod(value)));
  if (type == "char") return Num(pack.SetValue(field, value.at(0)));
  return Num(pack.SetValue(field, value));
}

}  // namespace

void RunQxPackScript(const std::string& file) {
  TQxPack pack;
  using Args = std::vector<std::string>;
  const std::string ok = "ok";
  CheckAnswers(file, {
      {"handle", [&](const Args&) { return std::string(pack.Handle() ? "handle" : "none"); }},
      {"addfield", [&](const Args& a) { pack.AddField(a[0]); return ok; }},
      {"fields", [&](const Args&) { return std::to_string(pack.getFieldCount()); }},
      {"index", [&](const Args& a) { return std::to_string(pack.getFieldIndex(a[0])); }},
      {"name", [&](const Args& a) { return pack.getFieldName(std::stoi(a[0])); }},
      {"append", [&](const Args&) { return Num(pack.AppendRow()); }},
      {"set", [&](const Args& a) { return Set(pack, std::stoi(a[0]), a[1], a[2]); }},
      {"get", [&](const Args& a) {
         const int field = std::stoi(a[0]);
         if (a[1] == "int32") return Get<int32_t>(pack, field, 0, [](int32_t v) { return std::to_string(v); });
         if (a[1] == "int64") return Get<int64_t>(pack, field, 0, [](int64_t v) { return std::to_string(v); });
         if (a[1] == "double") return Get<double>(pack, field, 0, [](double v) { return Num(v); });
         if (a[1] == "char") return Get<char>(pack, field, '?', [](char v) { return std::string(1, v); });
         return Get<std::string>(pack, field, "keep", [](std::string v) { return v; });
       }},
      {"count", [&](const Args&) { return std::to_string(pack.GetRecordCount()); }},
      {"recno", [&](const Args&) { return std::to_string(pack.GetRecNo()); }},
      {"setrecno", [&](const Args& a) { pack.SetRecNo(std::stoi(a[0])); return ok; }},
      {"first", [&](const Args&) { pack.First(); return ok; }},
      {"next", [&](const Args&) { pack.Next(); return ok; }},
      {"eof", [&](const Args&) { return Num(pack.Eof()); }},
      {"delete", [&](const Args&) { return Num(pack.DeleteRow()); }},
      {"deleteex", [&](const Args& a) { return Num(pack.DeleteRowEx(std::stoi(a[0]))); }},
      {"cleardata", [&](const Args&) { pack.ClearData(); return ok; }},
      {"clear", [&](const Args&) { pack.Clear(); return ok; }},
      {"parse", [&](const Args& a) { return std::to_string(pack.ParseData(a[0])); }},
      {"data", [&](const Args&) { return pack.Data(); }},
      {"packdata", [&](const Args&) { return pack.GetPackData(); }},
  });
}

}  // namespace ruzi::testing
