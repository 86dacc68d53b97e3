// TqxPackage::Parse on arbitrary text: it ends, every split makes progress and keeps a suffix
// of its input, the getters never throw, and the text written back reads the same.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "packets/tagged_package.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  ruzi::TqxPackage package(text);

  std::string name, rest, value;
  ruzi::TqxPackage::GetFirstItem(text, name, rest, value);
  Check(text.empty() || rest.size() + 2 <= text.size() || rest.empty());
  Check(std::string_view(text).ends_with(rest));
  Check(name.find('>') == std::string::npos);

  for (int32_t i = 0; i < package.Count(); ++i) {
    const ruzi::TqxPackageItem& item = package.Item(i);
    std::string as_text;
    int32_t as_int = 0;
    int64_t as_int64 = 0;
    double as_double = 0;
    Check(package.GetItem(item.Name, as_text) && as_text == item.Value);
    (void)package.GetItem(item.Name, as_int);
    (void)package.GetItem(item.Name, as_int64);
    (void)package.GetItem(item.Name, as_double);
  }
  // A parsed package written back parses into the same items: a parsed value never holds its
  // own closing tag, and a closing tag cannot overlap the text around it.
  ruzi::TqxPackage reread(package.GetText());
  Check(reread.Count() == package.Count());
  for (int32_t i = 0; i < package.Count(); ++i) {
    Check(reread.Item(i).Name == package.Item(i).Name);
    Check(reread.Item(i).Value == package.Item(i).Value);
  }
  return 0;
}
