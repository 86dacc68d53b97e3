#include "comp_reference_records.h"

#include <initializer_list>

#include "vector_file.h"

namespace ruzi::testing {
namespace {

std::string Joined(std::initializer_list<std::string> parts) {
  std::string text;
  bool first = true;
  for (const std::string& part : parts) {
    text += (first ? "" : "|") + part;
    first = false;
  }
  return text;
}

int32_t Number(const std::string& text) { return static_cast<int32_t>(std::stol(text)); }

std::string Period(int32_t begin, int32_t end) { return std::to_string(begin) + "-" + std::to_string(end); }

}  // namespace

void CheckSeededReferenceData(const ReferenceLookups& r) {
  CheckAnswers("seeded_reference_data.txt", {
      {"market", [&](auto& a) {
         const RMarketInfo& m = *r.market(a[0]);
         return Joined({m.market_no, m.market_name,
                        Period(m.begin_time1, m.end_time1) + " " + Period(m.begin_time2, m.end_time2) + " " +
                            Period(m.begin_time3, m.end_time3),
                        Num(m.time_zone), m.tradeday_type});
       }},
      {"fund", [&](auto& a) {
         const RFundInfo& f = *r.fund(Number(a[0]));
         return Joined({std::to_string(f.fund_id), f.fund_code, f.fund_name, f.market_list, f.switch_mode,
                        std::to_string(f.switch_time), std::to_string(f.business_date)});
       }},
      {"operator", [&](auto& a) {
         const ROperatorInfo& o = *r.person(Number(a[0]));
         return Joined({std::to_string(o.operator_no), o.operator_name, o.code_kind, std::to_string(o.dept_id)});
       }},
      {"parameter", [&](auto& a) {
         const RSysParameter& p = *r.parameter(Number(a[0]));
         return Joined({std::to_string(p.found != 0), std::to_string(p.serial_no), p.name, p.value});
       }},
      {"system", [&](auto&) {
         const RSystemInfo& s = *r.system();
         return Joined({std::to_string(s.init_date), s.system_name, Num(s.time_zone)});
       }},
      {"right", [&](auto& a) { return Num(r.right(a[0], a[1])); }},
      {"kinds", [&](auto& a) {
         const uint32_t kinds = r.kinds(a[0], Number(a[1]));
         std::string bits;
         for (int bit = 4; bit >= 0; --bit) bits += (kinds >> bit & 1u) != 0 ? '1' : '0';
         return bits;
       }},
  });
}

}  // namespace ruzi::testing
