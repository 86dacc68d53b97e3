// The SDK's entry table and the choice of copy. Entries and the GM type are atomics: two
// threads binding the same entry at once store the same address, and neither lock nor wait.
#include <array>
#include <atomic>

#include "foundation/error.h"
#include "foundation/format.h"
#include "foundation/string_to_number.h"
#include "platform/dynamic_library.h"
#include "platform/environment.h"
#include "platform/paths.h"
#include "service/zt_sdk_entries.h"

namespace ruzi {
namespace {

constexpr int32_t kGMTypeUnknown = -1;
constexpr const char* kPlainSdk = "ztsdk.dll";

std::atomic<int32_t> gm_type{kGMTypeUnknown};
std::array<std::atomic<void*>, kSdkEntryCount> entry_table{};

// The names above use '\'; natively the folder separator is the platform's.
std::string PathBesideExecutable(std::string_view library) {
  std::string path = platform::ExecutableDirectory() + std::string(library);
  for (char& c : path) {
    if (c == '\\') c = platform::PathSeparator();
  }
  return path;
}

}  // namespace

int32_t GetGMType() {
  int32_t type = gm_type.load(std::memory_order_acquire);
  if (type != kGMTypeUnknown) return type;
  type = StrToIntDef(platform::GetEnvironment("gm_type"), kGMTypeUnknown);
  gm_type.store(type, std::memory_order_release);
  return type;
}

const char* SdkLibraryName(int32_t type) {
  switch (type) {
    case 1:
      return "geer_gm\\ztsdk.dll";
    case 2:
      return "xasj_gm\\ztsdk.dll";
    default:
      return kPlainSdk;
  }
}

void* BindSdkEntry(std::string_view library, std::string_view entry) {
  platform::DynamicLibrary module = platform::DynamicLibrary::LoadFullPath(PathBesideExecutable(library));
  if (!module.IsLoaded() && library == kPlainSdk) module = platform::DynamicLibrary::LoadedOrLoad(library);
  if (!module.IsLoaded()) throw Error(Format("Library not found: %0:s", {library}));
  module.Keep();  // bound entries point into it for the rest of the process
  void* address = module.Export(entry);
  if (address == nullptr) throw Error(Format("Function not found: %0:s.%1:s", {library, entry}));
  return address;
}

void* SdkEntryAddress(SdkEntry entry) {
  const auto index = static_cast<size_t>(entry);
  void* address = entry_table[index].load(std::memory_order_acquire);
  if (address != nullptr) return address;
  const SdkEntryInfo& info = kSdkEntries[index];
  address = BindSdkEntry(info.plain_only ? kPlainSdk : SdkLibraryName(GetGMType()), info.name);
  entry_table[index].store(address, std::memory_order_release);
  return address;
}

}  // namespace ruzi
