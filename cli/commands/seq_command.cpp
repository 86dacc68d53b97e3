// The next value of a database sequence, as a client takes it for a new record's number.
#include "command.h"
#include "library_session.h"
#include "service/qx_comm.h"

namespace ruzi::cli {
namespace {

int RunSeq(CommandContext& context) {
  const int32_t count = IntegerArgument(context.TakeOption("count", "1"), "--count");
  context.ExpectCount(1, 1);
  if (count < 1) throw UsageError("--count takes 1 or more");
  LibrarySession library;
  for (int32_t i = 0; i < count; ++i) context.PrintLine(qxGetSeqNextValue(context.Arg(0)));
  return 0;
}

const CommandRegistration kRegistration{
    {"seq", "take the next value(s) of a database sequence", "seq NAME [--count N]", RunSeq}};

}  // namespace
}  // namespace ruzi::cli
