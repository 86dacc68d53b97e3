// The trading calendar's three hot questions beside QuantLib's Calendar on the same 30-year
// calendar (2006-2035: weekends, 1 January, 1-3 May, a week in February and 1-7 October
// closed): IsTradeDay beside isBusinessDay, GetTradeDate mode 3 (1 to 250 trade days on)
// beside advance, BetweenTradeDates (spans up to a year) beside businessDaysBetween. Ours goes
// the whole road: TradingCalendar over the in-process reference-data cache. Before timing,
// both sides answer the same samples and disagreements are counted; after it, the times are
// printed side by side. QuantLib is a reference only (Debian libquantlib0-dev).
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "foundation/int_date.h"
#include "packets/pack.h"
#include "platform/clock.h"
#include "trading/cache/reference_cache.h"
#include "trading/calendar/core_calendar_cache.h"
#include "trading/calendar/trading_calendar.h"

#if RUZI_HAVE_QUANTLIB
#include <ql/time/calendars/bespokecalendar.hpp>
#endif

namespace {

constexpr int32_t kFirst = 20060101;
constexpr int32_t kLast = 20351231;

bool Closed(int32_t date, int weekday) {
  const int32_t day = date % 10000;
  return weekday == 0 || weekday == 6 || day == 101 || (day >= 501 && day <= 503) || (day >= 210 && day <= 216) ||
         (day >= 1001 && day <= 1007);
}

// Every day of the 30 years with its weekday (0 Sunday).
template <typename Use>
void EachDay(Use use) {
  int weekday = 0;  // 2006-01-01 was a Sunday
  for (int32_t date = kFirst; date <= kLast; date = ruzi::IncIntDate(date, 1), weekday = (weekday + 1) % 7) {
    use(date, weekday);
  }
}

std::string Packet(const std::vector<std::string>& columns, const std::vector<std::vector<std::string>>& rows) {
  ruzi::TPack pack(true);
  ruzi::TPackSection& section = pack.GetSection(0);
  section.SetRange(static_cast<int32_t>(columns.size()), static_cast<int32_t>(rows.size()));
  section.CreateFields(columns);
  for (const auto& row : rows) section.AddRow(row);
  pack.CheckBuffer();
  return std::string(pack.Text());
}

// The tables as the server would return them: one market on calendar "00", its 30 years.
class BenchSource : public ruzi::TableSource {
 public:
  bool Fetch(const ruzi::CacheTableInfo& table, const std::vector<std::string>&, std::string* packet,
             std::string*) override {
    switch (table.table) {
      case ruzi::CacheTable::Markets:
        *packet = Packet({"c_market_no", "l_begin_time1", "l_end_time1", "l_begin_time2", "l_end_time2",
                          "en_time_zone", "vc_tradeday_type"},
                         {{"1", "93000", "113000", "130000", "150000", "8", "00"}});
        break;
      case ruzi::CacheTable::TradeDays: {
        std::vector<std::vector<std::string>> rows;
        EachDay([&](int32_t date, int weekday) {
          rows.push_back({"00", std::to_string(date), Closed(date, weekday) ? "0" : "11"});
        });
        *packet = Packet({"vc_tradeday_type", "l_date", "l_day_kind"}, rows);
        break;
      }
      case ruzi::CacheTable::System:
        *packet = Packet({"l_init_date", "en_time_zone"}, {{"20260105", "8"}});
        break;
      default:
        *packet = Packet({"l_serial_no"}, {});
    }
    return true;
  }
};

ruzi::TradingCalendar& Ours() {
  static BenchSource source;
  static ruzi::ReferenceCache cache(source);
  static ruzi::CoreCalendarCache calendar_cache(cache);
  static ruzi::TradingCalendar calendar(calendar_cache, ruzi::platform::SystemClock());
  return calendar;
}

// Samples: a date from 2007 to 2033, an offset of 1 to 250, a span of 1 to 365 days.
struct Sample {
  int32_t date;
  int32_t offset;
  int32_t span_end;
};
const std::vector<Sample>& Samples() {
  static const std::vector<Sample> samples = [] {
    std::mt19937 random(30);
    std::uniform_int_distribution<int32_t> day(365, 27 * 365), offset(1, 250), span(1, 365);
    std::vector<Sample> list(1 << 14);
    for (Sample& s : list) {
      s.date = ruzi::IncIntDate(kFirst, day(random));
      s.offset = offset(random);
      s.span_end = ruzi::IncIntDate(s.date, span(random));
    }
    return list;
  }();
  return samples;
}

void IsTradeDayOurs(benchmark::State& state) {
  ruzi::TradingCalendar& calendar = Ours();
  const std::string market = "1";
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(calendar.IsTradeDay(Samples()[i++ & 0x3fff].date, market));
}

void ShiftOurs(benchmark::State& state) {
  ruzi::TradingCalendar& calendar = Ours();
  const std::string market = "1";
  size_t i = 0;
  for (auto _ : state) {
    const Sample& s = Samples()[i++ & 0x3fff];
    benchmark::DoNotOptimize(calendar.GetTradeDate(s.date, s.offset, market, 3, 0));
  }
}

void BetweenOurs(benchmark::State& state) {
  ruzi::TradingCalendar& calendar = Ours();
  const std::string market = "1";
  size_t i = 0;
  for (auto _ : state) {
    const Sample& s = Samples()[i++ & 0x3fff];
    benchmark::DoNotOptimize(calendar.BetweenTradeDates(s.date, s.span_end, market));
  }
}

#if RUZI_HAVE_QUANTLIB
QuantLib::Date QlDate(int32_t date) {
  return QuantLib::Date(date % 100, static_cast<QuantLib::Month>(date / 100 % 100), date / 10000);
}
int32_t IntDate(const QuantLib::Date& date) {
  return date.year() * 10000 + static_cast<int32_t>(date.month()) * 100 + date.dayOfMonth();
}

const QuantLib::Calendar& Theirs() {
  static const QuantLib::Calendar calendar = [] {
    QuantLib::BespokeCalendar bespoke("30 years");
    bespoke.addWeekend(QuantLib::Saturday);
    bespoke.addWeekend(QuantLib::Sunday);
    QuantLib::Calendar c = bespoke;
    EachDay([&](int32_t date, int weekday) {
      if (weekday != 0 && weekday != 6 && Closed(date, weekday)) c.addHoliday(QlDate(date));
    });
    return c;
  }();
  return calendar;
}

struct QlSample {
  QuantLib::Date date;
  int32_t offset;
  QuantLib::Date span_end;
};
// The same samples as QuantLib dates, made beforehand: its side is timed without conversions.
const std::vector<QlSample>& QlSamples() {
  static const std::vector<QlSample> samples = [] {
    std::vector<QlSample> list;
    for (const Sample& s : Samples()) list.push_back({QlDate(s.date), s.offset, QlDate(s.span_end)});
    return list;
  }();
  return samples;
}

void IsTradeDayQuantLib(benchmark::State& state) {
  const QuantLib::Calendar& calendar = Theirs();
  size_t i = 0;
  for (auto _ : state) benchmark::DoNotOptimize(calendar.isBusinessDay(QlSamples()[i++ & 0x3fff].date));
}

void ShiftQuantLib(benchmark::State& state) {
  const QuantLib::Calendar& calendar = Theirs();
  size_t i = 0;
  for (auto _ : state) {
    const QlSample& s = QlSamples()[i++ & 0x3fff];
    benchmark::DoNotOptimize(calendar.advance(s.date, s.offset, QuantLib::Days));
  }
}

void BetweenQuantLib(benchmark::State& state) {
  const QuantLib::Calendar& calendar = Theirs();
  size_t i = 0;
  for (auto _ : state) {
    const QlSample& s = QlSamples()[i++ & 0x3fff];
    benchmark::DoNotOptimize(calendar.businessDaysBetween(s.date, s.span_end, true, false));
  }
}

// Every sample asked of both sides: the calendars are the same, so the answers must be.
int Disagreements() {
  ruzi::TradingCalendar& ours = Ours();
  const QuantLib::Calendar& theirs = Theirs();
  int wrong = 0;
  for (const Sample& s : Samples()) {
    const QuantLib::Date date = QlDate(s.date);
    wrong += ours.IsTradeDay(s.date, "1") != theirs.isBusinessDay(date);
    wrong += ours.GetTradeDate(s.date, s.offset, "1", 3, 0) != IntDate(theirs.advance(date, s.offset, QuantLib::Days));
    wrong += ours.BetweenTradeDates(s.date, s.span_end, "1") !=
             static_cast<int32_t>(theirs.businessDaysBetween(date, QlDate(s.span_end), true, false));
  }
  return wrong;
}
#endif

class SideBySide : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) nanoseconds_[run.benchmark_name()] = run.GetAdjustedCPUTime();
    ConsoleReporter::ReportRuns(runs);
  }
  void Print() const {
    std::printf("\n%-20s %12s %14s %10s\n", "ns per call", "ours", "QuantLib", "speed-up");
    for (const char* name : {"is_trade_day", "shift_mode3", "between"}) {
      auto ours = nanoseconds_.find(std::string(name) + "_ours");
      auto theirs = nanoseconds_.find(std::string(name) + "_quantlib");
      if (ours == nanoseconds_.end()) continue;
      if (theirs == nanoseconds_.end()) {
        std::printf("%-20s %12.1f %14s\n", name, ours->second, "-");
      } else {
        std::printf("%-20s %12.1f %14.1f %9.1fx\n", name, ours->second, theirs->second, theirs->second / ours->second);
      }
    }
  }

 private:
  std::map<std::string, double> nanoseconds_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("is_trade_day_ours", IsTradeDayOurs);
  benchmark::RegisterBenchmark("shift_mode3_ours", ShiftOurs);
  benchmark::RegisterBenchmark("between_ours", BetweenOurs);
#if RUZI_HAVE_QUANTLIB
  benchmark::RegisterBenchmark("is_trade_day_quantlib", IsTradeDayQuantLib);
  benchmark::RegisterBenchmark("shift_mode3_quantlib", ShiftQuantLib);
  benchmark::RegisterBenchmark("between_quantlib", BetweenQuantLib);
  std::printf("answers that differ from QuantLib's on %zu samples x 3 questions: %d\n", Samples().size(),
              Disagreements());
#else
  std::printf("QuantLib was not found when this was built (Debian libquantlib0-dev): ours only\n");
#endif
  benchmark::Initialize(&argc, argv);
  SideBySide reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.Print();
  benchmark::Shutdown();
  return 0;
}
