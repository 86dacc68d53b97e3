// The XML reader of the login history on arbitrary bytes: only ruzi::Error for a malformed
// document, no crash however deep or long the input.
#include <cstdint>
#include <string_view>

#include "foundation/xml_reader.h"
#include "ruzirareva/foundation/error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  try {
    const ruzi::XmlElement root = ruzi::ParseXmlDocument(std::string_view(reinterpret_cast<const char*>(data), size));
    if (const ruzi::XmlElement* history = root.Child("history")) history->Child("userid");
  } catch (const ruzi::Error&) {
  }
  return 0;
}
