#pragma once
// The records and interfaces of memdata.dll, the client's reference-data cache, as its callers
// see them. Records are fixed-layout structs; texts are NUL-terminated GBK in fixed arrays
// (longer values are cut at a character boundary). An interface is a table of methods in a
// fixed slot order, three reference-counting slots first; the order is the contract, so new
// methods only ever go at the end. No virtual destructor: it would take a slot. memdata.dll answers
// any thread; a table refresh rewrites records in place.
#include <cstddef>
#include <cstdint>

namespace ruzi {

struct RMarketInfo {
  char market_no[8];  // first field: the market code
  char market_name[32];
  int32_t begin_time1;  // trading periods as hhnnss, 0 when not used
  int32_t end_time1;
  int32_t begin_time2;
  int32_t end_time2;
  int32_t begin_time3;
  int32_t end_time3;
  double time_zone;       // hours from UTC
  char tradeday_type[8];  // calendar code, empty means "00"
};

struct RFundInfo {
  int32_t fund_id;
  char fund_code[16];
  char fund_name[64];
  char market_list[64];   // the fund's market codes, e.g. "1,2,n"
  char switch_mode[4];    // "0": the business date follows the market's day
  int32_t switch_time;    // hhnnss
  int32_t business_date;  // yyyymmdd
};

struct ROperatorInfo {
  int32_t operator_no;
  char operator_name[32];
  char code_kind[4];  // security code used for look-ups, "0" to "5"
  int32_t dept_id;
};

struct RSystemInfo {
  int32_t init_date;  // yyyymmdd
  char system_name[64];
  double time_zone;  // hours from UTC of the business location
  int32_t operator_no;  // the signed-on operator ("l_operator_no" set by the sign-on), 0 before
};

struct RSysParameter {
  int32_t found;  // non-zero when the parameter exists
  int32_t serial_no;
  char name[64];
  char value[256];
};

struct RMenuRight {
  int32_t operator_no;
  char menu_code[32];
};

// One day of a calendar; kinds is a bit set (bit 0 trade day, 1 settlement day, 3 bank
// business day, 4 cross-border settlement day).
struct RTradeDay {
  char tradeday_type[8];
  int32_t date;
  int32_t kinds;
};

static_assert(offsetof(RMarketInfo, market_no) == 0 && offsetof(RMarketInfo, begin_time1) == 40 &&
              offsetof(RMarketInfo, time_zone) == 64 && offsetof(RMarketInfo, tradeday_type) == 72 &&
              sizeof(RMarketInfo) == 80);
static_assert(offsetof(RFundInfo, fund_code) == 4 && offsetof(RFundInfo, market_list) == 84 &&
              offsetof(RFundInfo, switch_mode) == 148 && offsetof(RFundInfo, switch_time) == 152 &&
              sizeof(RFundInfo) == 160);
static_assert(offsetof(ROperatorInfo, code_kind) == 36 && sizeof(ROperatorInfo) == 44);
static_assert(offsetof(RSystemInfo, system_name) == 4 && offsetof(RSystemInfo, time_zone) == 72 &&
              offsetof(RSystemInfo, operator_no) == 80 && sizeof(RSystemInfo) == 88);
static_assert(offsetof(RSysParameter, name) == 8 && offsetof(RSysParameter, value) == 72 &&
              sizeof(RSysParameter) == 328);
static_assert(sizeof(RMenuRight) == 36 && offsetof(RTradeDay, date) == 8 && sizeof(RTradeDay) == 16);

// Interface ids for QueryInterface (16 bytes, compared byte for byte).
inline constexpr unsigned char kIID_IUnknown[16] = {0, 0, 0, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0x46};
inline constexpr unsigned char kIID_IInfo[16] = {0xeb, 0x82, 0xc7, 0xb5, 0x7b, 0x37, 0x40, 0x2d,
                                                 0x9d, 0x2b, 0xd0, 0x6d, 0xcf, 0xf0, 0x5d, 0xa2};
inline constexpr unsigned char kIID_IMarketInfo[16] = {0xab, 0x89, 0x9a, 0xd5, 0xdb, 0xdd, 0x4d, 0x5d,
                                                       0x9c, 0x2d, 0x03, 0x4f, 0x0b, 0x89, 0x34, 0xe6};
inline constexpr unsigned char kIID_IFundInfo[16] = {0xb2, 0x21, 0x2a, 0x91, 0x5b, 0x4c, 0x44, 0x33,
                                                     0xb2, 0xf9, 0x3b, 0x8d, 0xd1, 0x7a, 0x1c, 0x13};
inline constexpr unsigned char kIID_ISysParameter[16] = {0xd6, 0x67, 0xbf, 0x4e, 0x0e, 0x8d, 0x40, 0x47,
                                                         0x84, 0xbb, 0xa1, 0x4a, 0x19, 0x06, 0x83, 0x50};
inline constexpr unsigned char kIID_ISystemInfo[16] = {0xa0, 0xa2, 0xd0, 0x4a, 0xab, 0x6e, 0x46, 0x58,
                                                       0xa1, 0xb6, 0x7e, 0xd6, 0x2a, 0x96, 0x9c, 0xe4};
inline constexpr unsigned char kIID_IMenuRight[16] = {0x85, 0xc7, 0xdc, 0xa7, 0x07, 0xee, 0x42, 0xba,
                                                      0xa3, 0xe0, 0xc9, 0x2d, 0x30, 0x3a, 0x5d, 0x63};
inline constexpr unsigned char kIID_IMarketTradeDay[16] = {0xc5, 0xbf, 0x0c, 0xc6, 0x97, 0xae, 0x47, 0x0f,
                                                           0xa2, 0xa7, 0x2f, 0xc9, 0x01, 0x72, 0xf4, 0x6e};
inline constexpr int32_t kNoInterface = static_cast<int32_t>(0x80004002);

// Slots 0 to 2.
class IMemUnknown {
 public:
  // 0 and the object (referenced once more) for IID_IUnknown or the object's own interface
  // id; E_NOINTERFACE otherwise.
  virtual int32_t QueryInterface(const void* interface_id, void** object) = 0;  // 0
  virtual uint32_t AddRef() = 0;                                                // 1
  virtual uint32_t Release() = 0;                                               // 2

 protected:
  ~IMemUnknown() = default;
};

// Every table. The first use of a table loads it; a table that could not be loaded is empty
// and says why in LastError.
class IInfo : public IMemUnknown {
 public:
  virtual const char* TableName() = 0;  // 3
  virtual int32_t RecordSize() = 0;     // 4
  virtual int32_t Count() = 0;          // 5
  // Record Index (0-based) in the order of the last load; a zero-filled record outside.
  virtual void* Record(int32_t index) = 0;  // 6
  // Loads so far (whole or partial); a holder compares it to see a refresh.
  virtual int32_t Version() = 0;  // 7
  // "" after a good load, else the failure's text.
  virtual const char* LastError() = 0;  // 8

 protected:
  ~IInfo() = default;
};

class IRightLimitTables : public IInfo {
 protected:
  ~IRightLimitTables() = default;
};

class IMarketInfo : public IRightLimitTables {
 public:
  virtual int32_t IndexOf(const char* market_no) = 0;    // 9: -1 when absent
  virtual bool Exists(const char* market_no) = 0;        // 10
  virtual const char* KeyAt(int32_t index) = 0;          // 11: "" outside
  virtual RMarketInfo* Find(const char* market_no) = 0;  // 12: never null

 protected:
  ~IMarketInfo() = default;
};

class IFundInfo : public IRightLimitTables {
 public:
  virtual int32_t IndexOf(int32_t fund_id) = 0;  // 9
  virtual bool Exists(int32_t fund_id) = 0;      // 10
  virtual int32_t KeyAt(int32_t index) = 0;      // 11: 0 outside
  virtual RFundInfo* Find(int32_t fund_id) = 0;  // 12: never null

 protected:
  ~IFundInfo() = default;
};

class ISysParameter : public IInfo {
 public:
  virtual RSysParameter* Find(int32_t serial_no) = 0;  // 9: found 0 when absent

 protected:
  ~ISysParameter() = default;
};

class ISystemInfo : public IInfo {
 public:
  virtual RSystemInfo* Info() = 0;  // 9

 protected:
  ~ISystemInfo() = default;
};

class IMenuRight : public IInfo {
 public:
  // Operator number (decimal text) and menu code.
  virtual bool HasRight(const char* operator_no, const char* menu_code) = 0;  // 9

 protected:
  ~IMenuRight() = default;
};

// Dates yyyymmdd; cal a calendar code ("" means "00"); cals codes separated by ","; kind a
// bit number (0 trade day, 1 settlement day, 3 bank business day, 4 cross-border settlement
// day); kinds the same numbers separated by "," (any of them). Results -1 when the start
// date lies outside the calendar's loaded days or no day qualifies within them.
class IMarketTradeDay : public IInfo {
 public:
  virtual bool IsDay(int32_t date, const char* cal, int32_t kind) = 0;  // 9
  virtual int32_t FirstDate(const char* cal) = 0;                       // 10
  // The first qualifying day on or after the date (off >= 0), on or before it (off < 0).
  virtual int32_t Roll(int32_t date, const char* cal, int32_t off, int32_t kind) = 0;       // 11
  virtual int32_t RollList(int32_t date, const char* cals, int32_t off, int32_t kind) = 0;  // 12
  // off qualifying days after (or before) the date, the date itself not counted; *pos the
  // result's ordinal among the qualifying days (1 = the first), 0 with -1.
  virtual int32_t Shift(int32_t date, const char* cal, int32_t off, int32_t* pos, int32_t kind) = 0;       // 13
  virtual int32_t ShiftList(int32_t date, const char* cals, int32_t off, int32_t* pos, int32_t kind) = 0;  // 14
  // Trade days between: flags 1 count the first date, 2 the last, 4 either order.
  virtual int32_t CountDays(int32_t from, int32_t to, const char* cal, int32_t flags) = 0;                      // 15
  virtual int32_t LastDate(const char* cal) = 0;                                                                // 16
  virtual int32_t ShiftKinds(int32_t date, const char* cal, int32_t off, int32_t* pos, const char* kinds) = 0;  // 17
  virtual int32_t ShiftKindsList(int32_t date, const char* cals, int32_t off, int32_t* pos,
                                 const char* kinds) = 0;  // 18

 protected:
  ~IMarketTradeDay() = default;
};

// The exports, one argument each (stdcall: on x64 the one convention).
using MarketInfoAFn = RMarketInfo* (*)(const char* market_no);
using FundInfoAFn = RFundInfo* (*)(int32_t fund_id);
using OperatorAFn = ROperatorInfo* (*)(int32_t operator_no);
template <typename Interface>
using TableExportFn = void (*)(Interface** variable);
// "table" or "table|key|key|": 0 loaded, 1 not a table of the cache, -1 the load failed.
using RefreshMemDataFn = int32_t (*)(const char* target_text);

}  // namespace ruzi
