#include "cipher_options.h"

#include "foundation/string_to_number.h"
#include "security/secure_wipe.h"

namespace ruzi::cli {

CipherOptions::CipherOptions(CommandContext& context) {
  const std::string cipher = context.TakeOption("cipher");
  const std::string type = context.TakeOption("key-type");
  key = context.TakeOption("key");
  context.ExpectCount(1, 1);
  if (cipher != "sm4" && cipher != "3des") throw UsageError("--cipher must be sm4 or 3des");
  if (type.empty()) throw UsageError("--key-type is required");
  sm4 = cipher == "sm4";
  key_type = StrToInt(type);
}

CipherOptions::~CipherOptions() { SecureWipe(key); }

}  // namespace ruzi::cli
