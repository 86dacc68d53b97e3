// ruzi encrypt: a text through qxEncryptEx, as a host that chose the cipher would call it.
#include "command.h"
#include "security/encrypt_public.h"
#include "security/encrypt_switches.h"
#include "security/secure_wipe.h"
#include "foundation/string_to_number.h"

namespace {

// This executable is the host here: its answer to the library's GetIsUseSM question follows
// --cipher (1 for sm4, 0 for 3des).
int host_uses_sm = 0;

}  // namespace

#ifdef _WIN32
extern "C" __declspec(dllexport) int GetIsUseSM() { return host_uses_sm; }
#else
extern "C" __attribute__((visibility("default"))) int GetIsUseSM() { return host_uses_sm; }
#endif

namespace ruzi::cli {
namespace {

int RunEncrypt(CommandContext& context) {
  const std::string cipher = context.TakeOption("cipher");
  const std::string key_type = context.TakeOption("key-type");
  std::string key = context.TakeOption("key");
  ScopedWipe wipe_key(key);
  context.ExpectCount(1, 1);
  if (cipher != "sm4" && cipher != "3des") throw UsageError("--cipher must be sm4 or 3des");
  if (key_type.empty()) throw UsageError("--key-type is required");
  host_uses_sm = cipher == "sm4" ? 1 : 0;
  if (is_use_sm() != (host_uses_sm == 1)) throw std::runtime_error("the host's cipher choice was not seen");
  context.PrintLine(qxEncryptEx(StrToInt(key_type), key, context.Arg(0), etEncrypt));
  return 0;
}

const CommandRegistration kRegistration{
    {"encrypt", "encipher a password as the client stores it (SM4 or 3DES hex text)",
     "encrypt --cipher sm4|3des --key-type N [--key K] TEXT", RunEncrypt}};

}  // namespace
}  // namespace ruzi::cli
