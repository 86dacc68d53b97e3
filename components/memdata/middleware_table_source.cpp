#include "middleware_table_source.h"

#include <cstring>

namespace ruzi::memdata {
namespace {

constexpr const char* kClientLibrary = "wtuxws32.dll";
constexpr int32_t kNullContext = -2;
constexpr int32_t kMultiContexts = 32;
constexpr int32_t kCallTimeoutMs = 30000;
// The connection is gone (12) or was never signed on (9): sign on again and repeat once.
constexpr int32_t kErrorSystem = 12;
constexpr int32_t kErrorProtocol = 9;

// The sign-on record: user, client, password, group (32 bytes each), flags.
struct SignOnRecord {
  char user_name[32];
  char client_name[32];
  char password[32];
  char group_name[32];
  int32_t flags;
  int32_t data_length;
};
static_assert(offsetof(SignOnRecord, flags) == 128);

template <typename Fn>
bool Look(const platform::DynamicLibrary& library, const char* name, Fn* entry) {
  *entry = library.ExportAs<Fn>(name);
  return *entry != nullptr;
}

}  // namespace

bool MiddlewareTableSource::Bind(std::string* error) {
  if (library_.IsLoaded()) return true;
  platform::DynamicLibrary library = platform::DynamicLibrary::LoadedOrLoad(kClientLibrary);
  if (!library.IsLoaded()) {
    *error = std::string("找不到") + kClientLibrary;
    return false;
  }
  Entries e;
  for (bool found : {Look(library, "tpinit", &e.tpinit), Look(library, "tpalloc", &e.tpalloc),
                     Look(library, "tpfree", &e.tpfree), Look(library, "tpcall", &e.tpcall),
                     Look(library, "gettperrno", &e.gettperrno), Look(library, "tpstrerror", &e.tpstrerror),
                     Look(library, "tpgetctxt", &e.tpgetctxt), Look(library, "tpsetctxt", &e.tpsetctxt)}) {
    if (!found) {
      *error = std::string(kClientLibrary) + "缺少入口";
      return false;
    }
  }
  library.Keep();  // the client stays for the life of the process
  library_ = std::move(library);
  entries_ = e;
  return true;
}

std::string MiddlewareTableSource::ErrorText(const char* what) {
  int32_t number = entries_.gettperrno();
  const char* text = entries_.tpstrerror(number);
  return std::string(what) + "(" + std::to_string(number) + "): " + (text != nullptr ? text : "");
}

bool MiddlewareTableSource::SignOn(std::string* error) {
  entries_.tpsetctxt(kNullContext, 0);
  SignOnRecord record{};
  std::strcpy(record.user_name, "memdata");
  std::strcpy(record.client_name, "memdata.dll");
  record.flags = kMultiContexts;
  if (entries_.tpinit(&record) != 0) {
    *error = ErrorText("tpinit");
    context_ = 0;
    return false;
  }
  entries_.tpgetctxt(&context_, 0);
  return true;
}

int32_t MiddlewareTableSource::Call(const char* service, const std::string& request, std::string* reply,
                                    std::string* error) {
  char* buffer = entries_.tpalloc("STRING", nullptr, static_cast<int32_t>(request.size() + 1));
  if (buffer == nullptr) {
    *error = ErrorText("tpalloc");
    return entries_.gettperrno();
  }
  std::memcpy(buffer, request.c_str(), request.size() + 1);
  char* answer = nullptr;
  int32_t length = 0;
  int32_t result = entries_.tpcall(service, buffer, 0, &answer, &length, 0, kCallTimeoutMs, 1);
  int32_t number = 0;
  if (result != 0) {
    number = entries_.gettperrno();
    *error = ErrorText(service);
  } else if (answer != nullptr) {
    reply->assign(answer, strnlen(answer, static_cast<size_t>(length > 0 ? length : 0)));
  }
  entries_.tpfree(buffer);
  if (answer != nullptr) entries_.tpfree(answer);
  return number;
}

bool MiddlewareTableSource::Fetch(const CacheTableInfo& table, const std::vector<std::string>& keys,
                                  std::string* packet, std::string* error) {
  std::lock_guard<std::mutex> guard(lock_);
  if (!Bind(error)) return false;
  // The thread's own context, or none (then it works in the process's).
  int32_t saved = kNullContext;
  entries_.tpgetctxt(&saved, 0);
  entries_.tpsetctxt(kNullContext, 0);
  int32_t process = kNullContext;
  entries_.tpgetctxt(&process, 0);
  const int32_t restore = saved == process ? kNullContext : saved;

  std::string reply;
  bool ready = (context_ != 0 && entries_.tpsetctxt(context_, 0) == 0) || SignOn(error);
  int32_t number = ready ? Call(table.service, TableRequestText(keys), &reply, error) : -1;
  if (number == kErrorSystem || number == kErrorProtocol) {
    number = SignOn(error) ? Call(table.service, TableRequestText(keys), &reply, error) : -1;
  }
  entries_.tpsetctxt(restore, 0);
  return number == 0 && TablePacketOfReply(reply, packet, error);
}

}  // namespace ruzi::memdata
