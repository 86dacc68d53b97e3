// The DLL's export directory against the binding table: every
// name the library looks up is there with exactly that spelling, and nothing else is.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "client_entries.h"

namespace ruzi::testing {
namespace {

// The names of the loaded module's export directory. GetProcAddress matches names exactly, so
// an export set equal to the binding table leaves no other spelling to be found.
std::vector<std::string> ExportedNames(HMODULE module) {
  const auto* base = reinterpret_cast<const char*>(module);
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS64*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& entry = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_EXPORT];
  const auto* directory = reinterpret_cast<const IMAGE_EXPORT_DIRECTORY*>(base + entry.VirtualAddress);
  const auto* names = reinterpret_cast<const DWORD*>(base + directory->AddressOfNames);
  std::vector<std::string> result;
  for (DWORD i = 0; i < directory->NumberOfNames; ++i) result.emplace_back(base + names[i]);
  return result;
}

TEST(ClientExports, ExportDirectoryHoldsExactlyTheBindingTable) {
  ASSERT_FALSE(Client().module_path.empty()) << "wtuxws32.dll did not load";
  std::vector<std::string> exported = ExportedNames(GetModuleHandleA("wtuxws32.dll"));
  std::set<std::string> wanted(BindingTableNames().begin(), BindingTableNames().end());
  std::set<std::string> found(exported.begin(), exported.end());
  EXPECT_EQ(found.size(), exported.size()) << "a name is exported twice";
  EXPECT_EQ(found, wanted);
  EXPECT_EQ(wanted.size(), 35u);
}

}  // namespace
}  // namespace ruzi::testing
