// The DLL's export directory, read from the file itself, against the binding table: every
// name the library looks up is there with exactly that spelling, and nothing else is.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "client_entries.h"

namespace ruzi::testing {
namespace {

uint32_t U32(const std::string& bytes, size_t at) {
  uint32_t value = 0;
  if (at + 4 <= bytes.size()) std::memcpy(&value, bytes.data() + at, 4);
  return value;
}

uint16_t U16(const std::string& bytes, size_t at) {
  uint16_t value = 0;
  if (at + 2 <= bytes.size()) std::memcpy(&value, bytes.data() + at, 2);
  return value;
}

// The names of a PE32+ file's export directory, in the file's (sorted) order.
std::vector<std::string> ExportedNames(const std::string& image) {
  const size_t pe = U32(image, 0x3C);
  if (image.compare(pe, 4, std::string("PE\0\0", 4)) != 0) return {};
  const size_t coff = pe + 4;
  const uint16_t section_count = U16(image, coff + 2);
  const uint16_t optional_size = U16(image, coff + 16);
  const size_t optional = coff + 20;
  if (U16(image, optional) != 0x20B) return {};  // PE32+: 64-bit
  const uint32_t export_rva = U32(image, optional + 112);
  const size_t sections = optional + optional_size;
  auto file_offset = [&](uint32_t rva) -> size_t {
    for (uint16_t i = 0; i < section_count; ++i) {
      size_t header = sections + i * 40u;
      uint32_t virtual_address = U32(image, header + 12);
      uint32_t raw_size = U32(image, header + 16);
      uint32_t raw_offset = U32(image, header + 20);
      if (rva >= virtual_address && rva < virtual_address + raw_size) return raw_offset + (rva - virtual_address);
    }
    return image.size();
  };
  const size_t directory = file_offset(export_rva);
  const uint32_t name_count = U32(image, directory + 24);
  const size_t names = file_offset(U32(image, directory + 32));
  std::vector<std::string> result;
  for (uint32_t i = 0; i < name_count; ++i) {
    size_t at = file_offset(U32(image, names + i * 4u));
    if (at >= image.size()) break;
    result.emplace_back(image.c_str() + at);
  }
  return result;
}

TEST(ClientExports, ExportDirectoryHoldsExactlyTheBindingTable) {
  ASSERT_FALSE(Client().module_path.empty()) << "wtuxws32.dll did not load";
  std::ifstream file(Client().module_path, std::ios::binary);
  std::string image((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  std::vector<std::string> exported = ExportedNames(image);
  ASSERT_FALSE(exported.empty());
  std::set<std::string> wanted(BindingTableNames().begin(), BindingTableNames().end());
  std::set<std::string> found(exported.begin(), exported.end());
  EXPECT_EQ(found.size(), exported.size()) << "a name is exported twice";
  std::vector<std::string> missing, extra;
  std::set_difference(wanted.begin(), wanted.end(), found.begin(), found.end(), std::back_inserter(missing));
  std::set_difference(found.begin(), found.end(), wanted.begin(), wanted.end(), std::back_inserter(extra));
  EXPECT_TRUE(missing.empty()) << "missing: " << ::testing::PrintToString(missing);
  EXPECT_TRUE(extra.empty()) << "not in the binding table: " << ::testing::PrintToString(extra);
  EXPECT_EQ(wanted.size(), 35u);
}

TEST(ClientExports, LookupByExactNameFindsEveryEntryAndNoOtherSpelling) {
  ASSERT_FALSE(Client().module_path.empty());
  HMODULE module = GetModuleHandleA("wtuxws32.dll");
  ASSERT_NE(module, nullptr);
  for (const std::string& name : BindingTableNames()) {
    EXPECT_NE(GetProcAddress(module, name.c_str()), nullptr) << name;
  }
  // The capital F and the mixed case are part of the names.
  for (const char* wrong : {"fget", "FGET", "fchg", "fadd", "tpcallsvrid", "tpcallsvridex", "TPCALLSVRIDEX"}) {
    EXPECT_EQ(GetProcAddress(module, wrong), nullptr) << wrong;
  }
}

}  // namespace
}  // namespace ruzi::testing
