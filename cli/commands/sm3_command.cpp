// ruzi sm3: the SM3 digest of a text or of a file, as 64 lower-case hex digits.
#include "command.h"
#include "security/encrypt_public.h"

namespace ruzi::cli {
namespace {

int RunSm3(CommandContext& context) {
  const std::string file = context.TakeOption("file");
  if (!file.empty()) {
    context.ExpectCount(0, 0);
    const std::string digest = SM3DigestFile(file);
    if (digest.empty()) throw std::runtime_error("cannot read " + file);
    context.PrintLine(digest);
    return 0;
  }
  context.ExpectCount(1, 1);
  context.PrintLine(SM3Digest(context.Arg(0)));
  return 0;
}

const CommandRegistration kRegistration{
    {"sm3", "SM3 digest of a text or a file", "sm3 TEXT | sm3 --file FILE", RunSm3}};

}  // namespace
}  // namespace ruzi::cli
