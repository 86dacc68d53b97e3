#include "sdk_entries_win32.h"

#include <stdexcept>

#include "platform/paths.h"

namespace ruzi::testing {
namespace {

template <typename Fn>
Fn Entry(const platform::DynamicLibrary& sdk, const char* name) {
  Fn entry = sdk.ExportAs<Fn>(name);
  if (entry == nullptr) throw std::runtime_error(std::string("entry missing: ") + name);
  return entry;
}

}  // namespace

platform::DynamicLibrary LoadSdk(const std::string& folder) {
  return platform::DynamicLibrary::LoadFullPath(platform::ExecutableDirectory() + folder + "ztsdk.dll");
}

SpeedEntries SpeedEntriesOf(const platform::DynamicLibrary& sdk) {
  SpeedEntries entries;
  entries.new_packer = Entry<decltype(entries.new_packer)>(sdk, "NewPacker");
  entries.get_multi_speed = Entry<decltype(entries.get_multi_speed)>(sdk, "GetMultiNetWorkSpeed");
  return entries;
}

}  // namespace ruzi::testing
