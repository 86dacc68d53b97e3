// ruzi decrypt: a stored text back through qxDecryptEx (64 digits are SM4, others 3DES).
#include "cipher_options.h"
#include "command.h"
#include "security/encrypt_public.h"
#include "security/secure_wipe.h"

namespace ruzi::cli {
namespace {

int RunDecrypt(CommandContext& context) {
  const CipherOptions options(context);
  // The facade decides by length alone; say so rather than decipher with the other cipher.
  const bool sm4_text = context.Arg(0).size() == 64;
  if (sm4_text != options.sm4) {
    throw UsageError(sm4_text ? "a text of 64 characters is SM4 text" : "SM4 text has 64 characters");
  }
  std::string plain = qxDecryptEx(options.key_type, options.key, context.Arg(0), etEncrypt);
  ScopedWipe wipe_plain(plain);
  context.PrintLine(plain);
  return 0;
}

const CommandRegistration kRegistration{
    {"decrypt", "decipher a stored password (SM4 or 3DES hex text)",
     "decrypt --cipher sm4|3des --key-type N [--key K] TEXT", RunDecrypt}};

}  // namespace
}  // namespace ruzi::cli
