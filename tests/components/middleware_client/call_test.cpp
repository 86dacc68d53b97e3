// The client DLL's export directory, its Win32 environment block, and its entries against the
// fixture's server run by the script of tests/data/mwc_client_script.txt: each line an entry,
// its arguments and its answer.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <set>
#include <string>
#include <thread>

#include "client_calls.h"
#include "client_entries.h"
#include "mwd_server.h"
#include "packets/tagged_package.h"
#include "vector_file.h"

namespace ruzi::testing {
namespace {

// GetProcAddress matches names exactly, so an export set equal to the binding table leaves no
// other spelling to be found.
TEST(ClientExports, ExportDirectoryHoldsExactlyTheBindingTable) {
  ASSERT_FALSE(Client().module_path.empty()) << "wtuxws32.dll did not load";
  const auto* base = reinterpret_cast<const char*>(GetModuleHandleA("wtuxws32.dll"));
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(base + reinterpret_cast<const IMAGE_DOS_HEADER*>(base)->e_lfanew);
  const auto* directory = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(
      base + nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT].VirtualAddress);
  const auto* names = reinterpret_cast<const DWORD*>(base + directory->AddressOfNames);
  std::multiset<std::string> exported;
  for (DWORD i = 0; i < directory->NumberOfNames; ++i) exported.emplace(base + names[i]);
#define RUZI_CLIENT_NAME(name) #name,
  EXPECT_EQ(exported, std::multiset<std::string>({RUZI_CLIENT_ENTRIES(RUZI_CLIENT_NAME)}));
#undef RUZI_CLIENT_NAME
  EXPECT_EQ(exported.size(), 35u);
}

TEST(ClientEnvironment, PutAndGetGoThroughTheWin32Block) {
  const ClientEntries& c = Client();
  ASSERT_EQ(c.tuxputenv("RUZI_WSC_ENV=值=1"), 0);
  wchar_t wide[32] = {};
  ASSERT_GT(GetEnvironmentVariableW(L"RUZI_WSC_ENV", wide, 32), 0u);
  EXPECT_EQ(std::wstring(wide), L"值=1");
  ASSERT_NE(c.tuxgetenv("ruzi_wsc_env"), nullptr);  // names ignore case, as Win32 does
  EXPECT_STREQ(c.tuxgetenv("RUZI_WSC_ENV"), "值=1");
  SetEnvironmentVariableW(L"RUZI_WSC_ENV", nullptr);
  EXPECT_EQ(c.tuxgetenv("RUZI_WSC_ENV"), nullptr);
}

// What the push receiver was given, as "topic:data;".
std::string g_pushed;
void Receive(const char* topic, const char* data, int32_t length) {
  g_pushed += std::string(topic) + ":" + std::string(data, static_cast<size_t>(length)) + ";";
}

// Buffers live in named slots (a slot not yet given is nullptr); "$" in a text stands for a
// tag of this run, so the audit rows asked for are this run's own.
TEST(ClientCalls, ScriptedEntriesGetTheirKnownAnswers) {
  const ClientEntries& c = Client();
  UseFixtureServer();
  using Args = std::vector<std::string>;
  std::map<std::string, char*> slots;
  std::map<std::string, int32_t> numbers;
  int32_t length = 0;
  const std::string tag = "run" + std::to_string(GetTickCount());
  auto replaced = [](std::string text, const std::string& from, const std::string& to) {
    for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) text.replace(at, from.size(), to);
    return text;
  };
  auto tagged = [&](const std::string& text) { return replaced(text, "$", tag); };
  auto untagged = [&](const std::string& text) { return replaced(text, tag, "$"); };
  auto number = [&](const std::string& text) {
    return numbers.count(text) ? numbers[text] : static_cast<int32_t>(std::stol(text, nullptr, 0));
  };
  auto status = [&](int32_t s) { return std::to_string(s) + (s < 0 ? " " + std::to_string(c.gettperrno()) : ""); };
  auto text = [&](const std::string& name) { return name == "-" ? nullptr : name.c_str(); };
  auto call = [&](auto entry, auto service, const Args& a) {
    return status(entry(service, slots[a[1]], number(a[2]), &slots[a[3]], &length, 0, number(a[4]), number(a[5])));
  };
  CheckAnswers("mwc_client_script.txt", {
      {"alloc", [&](const Args& a) {
         c.tpfree(slots[a[0]]);
         const int32_t size = number(a[2]);
         char* buffer = slots[a[0]] = c.tpalloc(text(a[1]), nullptr, size);
         if (buffer == nullptr) return status(-1);
         if (std::string(buffer, size) != std::string(size, '\0')) return std::string("not zeroed");
         const std::string bytes = a.size() > 3 ? tagged(a[3]) : "";
         std::memcpy(buffer, bytes.data(), bytes.size());
         return std::string("ok");
       }},
      {"fill", [&](const Args& a) { std::memset(slots[a[0]], 0x5A, number(a[1])); return std::string("ok"); }},
      {"call", [&](const Args& a) { return call(c.tpcall, a[0].c_str(), a); }},
      {"callex", [&](const Args& a) { return call(c.tpcallex, a[0].c_str(), a); }},
      {"callid", [&](const Args& a) { return call(c.tpcallSvrId, number(a[0]), a); }},
      {"acall", [&](const Args& a) {
         const int32_t d = numbers[a[0]] = c.tpacall(a[1].c_str(), slots[a[2]], 0, number(a[3]));
         return d > 0 ? std::string("descriptor") : status(d);
       }},
      {"getrply", [&](const Args& a) { return status(c.tpgetrply(number(a[0]), &slots[a[1]], &length, number(a[2]))); }},
      {"reply", [&](const Args& a) { return slots[a[0]] ? untagged(std::string(slots[a[0]], static_cast<size_t>(length))) : "null"; }},
      {"function", [&](const Args& a) {  // function number, packet, mode, reply and message slots: status, message, its length
         int32_t text_length = 0;
         const int32_t s = c.tpcallSvrIdEx(number(a[0]), a[1].data(), static_cast<int32_t>(a[1].size()), &slots[a[3]], &length,
                                           &slots[a[4]], &text_length, number(a[2]), 30000, 1);
         return status(s) + " " + slots[a[4]] + " " + std::to_string(text_length);
       }},
      {"heapfree", [&](const Args& a) {  // the caller releases a reply of mode 1 to the process heap
         const bool ours = HeapValidate(GetProcessHeap(), 0, slots[a[0]]) && HeapFree(GetProcessHeap(), 0, slots[a[0]]);
         slots[a[0]] = nullptr;
         return ours ? "freed" : "not the heap's";
       }},
      {"elsewhere", [&](const Args& a) {  // a text call from another thread: its error number
         TextCall t;
         std::thread([&] { t = CallText(a[0], a[1]); }).join();
         return std::to_string(t.error_number);
       }},
      {"length", [&](const Args&) { return std::to_string(length); }},
      {"same", [&](const Args& a) { return std::string(slots[a[0]]) == std::string(slots[a[1]], length) ? "same" : "differ"; }},
      {"item", [&](const Args& a) {
         std::string value;
         TqxPackage(slots[a[0]]).GetItem(a[1], value);
         return a.size() > 2 ? value.substr(0, number(a[2])) : value;
       }},
      {"text", [&](const Args& a) {  // a STRING call: the reply's text, or "error <number>: <text>"
         const TextCall t = CallText(a[0], tagged(a[1]), a.size() > 2 ? number(a[2]) : 30000, a.size() > 3 ? number(a[3]) : 1);
         if (t.status != 0) return "error " + std::to_string(t.error_number) + ": " + t.error_text;
         EXPECT_EQ(t.reply_length, static_cast<int32_t>(t.reply.size() + 1));  // a STRING counts its NUL
         EXPECT_EQ(c.gettpurcode(), 0);
         EXPECT_EQ(t.error_number, 0);
         return untagged(t.reply);
       }},
      {"strerror", [&](const Args& a) { return std::string(c.tpstrerror(number(a[0]))); }},
      {"fadd", [&](const Args& a) { return std::to_string(c.Fadd(slots[a[0]], number(a[1]), const_cast<char*>(a[2].data()), 0)); }},
      {"fchg", [&](const Args& a) { return std::to_string(c.Fchg(slots[a[0]], number(a[1]), 0, const_cast<char*>(a[2].data()), 0)); }},
      {"fget", [&](const Args& a) {
         std::string room(number(a[2]), '\0');
         const int32_t s = c.Fget(slots[a[0]], number(a[1]), 0, room.data(), number(a[2]));
         return s == 0 ? std::string(room.c_str()) : std::to_string(s);
       }},
      {"route", [&](const Args& a) { return status(c.tpsetroutername(text(a[0]))); }},
      {"signon", [&](const Args& a) { return status(SignOn(number(a[0]))); }},
      {"term", [&](const Args&) { return status(c.tpterm()); }},
      {"state", [&](const Args&) { return std::to_string(c.getconnectstate()); }},
      {"getctxt", [&](const Args& a) { return status(c.tpgetctxt(&numbers[a[0]], 0)); }},
      {"setctxt", [&](const Args& a) { return status(c.tpsetctxt(number(a[0]), 0)); }},
      {"setcontxt", [&](const Args& a) { return status(c.tpsetcontxt(number(a[0]))); }},
      {"audit", [&](const Args& a) {
         std::string rows;
         for (const AuditEntry& r : AuditWith(tagged(a[0]))) rows += r.kind + " " + r.service + " " + r.route + " " + r.buffer_type + " " + untagged(r.request) + ";";
         return rows;
       }},
      {"sessions", [&](const Args& a) {
         std::set<std::string> sessions;
         for (const AuditEntry& r : AuditWith(tagged(a[0]))) sessions.insert(r.session);
         return std::to_string(sessions.size());
       }},
      {"chkauth", [&](const Args&) { return std::to_string(c.tpchkauth()); }},
      {"close", [&](const Args&) { return std::to_string(c.tpclose()); }},
      {"connect", [&](const Args& a) { return status(c.tpconnect(a[0].c_str(), nullptr, 0, 0)); }},
      {"safecfg", [&](const Args& a) { return std::to_string(c.setsafecfgnewEx(a[0].c_str())); }},
      {"proxy", [&](const Args& a) { return std::to_string(c.setproxy(a[0].c_str())); }},
      {"putenv", [&](const Args& a) { return std::to_string(c.tuxputenv(a[0].c_str())); }},
      {"register", [&](const Args& a) { return std::to_string(c.regpushclient(a[0] == "-" ? nullptr : Receive)); }},
      {"unregister", [&](const Args&) { return std::to_string(c.unregpushclient()); }},
      {"subscribe", [&](const Args& a) { return std::to_string(c.subscribe(a[0].c_str())); }},
      {"unsubscribe", [&](const Args& a) { return std::to_string(c.unsubscribe(a[0].c_str())); }},
      {"push", [&](const Args& a) { return std::to_string(c.pushmsg(a[0].c_str(), a[1].data(), static_cast<int32_t>(a[1].size()))); }},
      {"pushed", [&](const Args&) { return g_pushed; }},
  });
  for (auto& [name, buffer] : slots) c.tpfree(buffer);
}

}  // namespace
}  // namespace ruzi::testing
