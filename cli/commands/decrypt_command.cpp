// ruzi decrypt: a stored text back through qxDecryptEx (64 digits are SM4, others 3DES).
#include "command.h"
#include "foundation/string_to_number.h"
#include "security/encrypt_public.h"
#include "security/secure_wipe.h"

namespace ruzi::cli {
namespace {

int RunDecrypt(CommandContext& context) {
  const std::string cipher = context.TakeOption("cipher");
  const std::string key_type = context.TakeOption("key-type");
  std::string key = context.TakeOption("key");
  ScopedWipe wipe_key(key);
  context.ExpectCount(1, 1);
  if (cipher != "sm4" && cipher != "3des") throw UsageError("--cipher must be sm4 or 3des");
  if (key_type.empty()) throw UsageError("--key-type is required");
  // The facade decides by length alone; say so rather than decipher with the other cipher.
  const bool sm4_text = context.Arg(0).size() == 64;
  if (sm4_text != (cipher == "sm4")) {
    throw UsageError(sm4_text ? "a text of 64 characters is SM4 text" : "SM4 text has 64 characters");
  }
  std::string plain = qxDecryptEx(StrToInt(key_type), key, context.Arg(0), etEncrypt);
  ScopedWipe wipe_plain(plain);
  context.PrintLine(plain);
  return 0;
}

const CommandRegistration kRegistration{
    {"decrypt", "decipher a stored password (SM4 or 3DES hex text)",
     "decrypt --cipher sm4|3des --key-type N [--key K] TEXT", RunDecrypt}};

}  // namespace
}  // namespace ruzi::cli
