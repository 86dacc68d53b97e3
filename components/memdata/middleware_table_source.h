#pragma once
// The cache's tables from the server, through wtuxws32.dll bound by name. The cache keeps a
// middleware context of its own (it cannot borrow the library's, which imports this DLL):
// a call selects it for the calling thread and gives the thread back the context it had.
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "platform/dynamic_library.h"
#include "trading/cache/reference_cache.h"

namespace ruzi::memdata {

class MiddlewareTableSource : public TableSource {
 public:
  bool Fetch(const CacheTableInfo& table, const std::vector<std::string>& keys, std::string* packet,
             std::string* error) override;

 private:
  struct Entries {
    int32_t (*tpinit)(void*) = nullptr;
    char* (*tpalloc)(const char*, const char*, int32_t) = nullptr;
    void (*tpfree)(char*) = nullptr;
    int32_t (*tpcall)(const char*, char*, int32_t, char**, int32_t*, int32_t, int32_t, int32_t) = nullptr;
    int32_t (*gettperrno)() = nullptr;
    const char* (*tpstrerror)(int32_t) = nullptr;
    int32_t (*tpgetctxt)(int32_t*, int32_t) = nullptr;
    int32_t (*tpsetctxt)(int32_t, int32_t) = nullptr;
  };

  bool Bind(std::string* error);
  bool SignOn(std::string* error);
  // 0 with the reply text, or the middleware's error number (message in *error).
  int32_t Call(const char* service, const std::string& request, std::string* reply, std::string* error);
  std::string ErrorText(const char* what);

  std::mutex lock_;
  platform::DynamicLibrary library_;
  Entries entries_;
  int32_t context_ = 0;  // ours once signed on
};

}  // namespace ruzi::memdata
