#include "call_answers.h"
#include "mwd_process.h"
#include "seeded_cache.h"
#include "trading/calendar/core_calendar_cache.h"

namespace ruzi::testing {
namespace {

class ServerSource : public TableSource {
 public:
  bool Fetch(const CacheTableInfo& table, const std::vector<std::string>& keys, std::string* packet,
             std::string* error) override {
    mw::CallReply reply = ReplyOf(client_.Call(table.service, TableRequestText(keys)));
    return TablePacketOfReply(reply.data, packet, error);
  }

 private:
  mwd::NativeClient client_ = SignedOnClient(FixturePort(), "calendar-test");
};

}  // namespace

CalendarCache& SeededCache() {
  static ServerSource source;
  static ReferenceCache cache(source);
  static CoreCalendarCache calendar_cache(cache);
  return calendar_cache;
}

}  // namespace ruzi::testing
