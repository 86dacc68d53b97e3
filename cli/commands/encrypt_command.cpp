// ruzi encrypt: a text through qxEncryptEx, as a host that chose the cipher would call it.
#include "cipher_options.h"
#include "command.h"
#include "security/encrypt_public.h"
#include "security/encrypt_switches.h"

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
  const CipherOptions options(context);
  host_uses_sm = options.sm4 ? 1 : 0;
  if (is_use_sm() != options.sm4) throw std::runtime_error("the host's cipher choice was not seen");
  context.PrintLine(qxEncryptEx(options.key_type, options.key, context.Arg(0), etEncrypt));
  return 0;
}

const CommandRegistration kRegistration{
    {"encrypt", "encipher a password as the client stores it (SM4 or 3DES hex text)",
     "encrypt --cipher sm4|3des --key-type N [--key K] TEXT", RunEncrypt}};

}  // namespace
}  // namespace ruzi::cli
