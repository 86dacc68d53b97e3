// The back end's dates as the client reads them: the initial date-time, the database's clock
// and the business initialisation date (each step logged through pubfunmodel.dll).
#include "command.h"
#include "foundation/date_time_text.h"
#include "library_session.h"
#include "service/qx_comm.h"

namespace ruzi::cli {
namespace {

// A date-time that is no date (a failed fetch) shows as its number.
std::string DateTimeShown(double value) { return value > 0 ? DateTimeToText(value) : std::to_string(value); }

int RunDates(CommandContext& context) {
  context.ExpectCount(0, 0);
  LibrarySession library;
  context.PrintLine("init date-time: " + DateTimeShown(qxGetDateTime()));
  context.PrintLine("database time: " + DateTimeShown(qxGetSysDateTime()));
  context.PrintLine("init date: " + std::to_string(qxGetInitDate()));
  return 0;
}

const CommandRegistration kRegistration{
    {"dates", "show the back end's initial date-time, the database's clock and the business initialisation date",
     "dates", RunDates}};

}  // namespace
}  // namespace ruzi::cli
