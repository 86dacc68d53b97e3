#include "table_objects.h"

#include <atomic>
#include <cstring>
#include <string>

#include "middleware_table_source.h"
#include "platform/thread_slot.h"
#include "trading/cache/day_kind_text.h"
#include "trading/cache/table_rows.h"

namespace ruzi::memdata {

ReferenceCache& Cache() {
  static MiddlewareTableSource source;
  static ReferenceCache cache(source);
  return cache;
}

namespace {

// Slots 0 to 8 for a table: Interface is the table's interface, Row its record type.
template <typename Interface, typename Row>
class TableObject : public Interface {
 public:
  TableObject(CacheTable table, RecordTable<Row>& records, const unsigned char* interface_id)
      : table_(table), records_(records), interface_id_(interface_id) {}

  int32_t QueryInterface(const void* interface_id, void** object) override {
    if (object == nullptr) return kNoInterface;
    *object = nullptr;
    if (interface_id == nullptr) return kNoInterface;
    if (std::memcmp(interface_id, kIID_IUnknown, 16) != 0 && std::memcmp(interface_id, kIID_IInfo, 16) != 0 &&
        std::memcmp(interface_id, interface_id_, 16) != 0) {
      return kNoInterface;
    }
    AddRef();
    *object = static_cast<Interface*>(this);
    return 0;
  }
  uint32_t AddRef() override { return count_.fetch_add(1) + 1; }
  uint32_t Release() override { return count_.fetch_sub(1) - 1; }

  const char* TableName() override { return TableInfo(table_).name; }
  int32_t RecordSize() override { return static_cast<int32_t>(sizeof(Row)); }
  int32_t Count() override { return Loaded().Count(); }
  void* Record(int32_t index) override { return Loaded().At(index); }
  int32_t Version() override { return Loaded().Version(); }
  const char* LastError() override {
    // Per thread: the text stays valid until the thread asks again.
    static platform::ThreadSlot<std::string> kept;
    std::string& text = kept.Get();
    text = Cache().LastError(table_);
    return text.c_str();
  }

 protected:
  RecordTable<Row>& Loaded() {
    Cache().Ensure(table_);
    return records_;
  }

 private:
  CacheTable table_;
  RecordTable<Row>& records_;
  const unsigned char* interface_id_;
  std::atomic<uint32_t> count_{1};  // the DLL's own reference
};

const char* Text(const char* text) { return text != nullptr ? text : ""; }

class MarketObject final : public TableObject<IMarketInfo, RMarketInfo> {
 public:
  MarketObject() : TableObject(CacheTable::Markets, Cache().markets, kIID_IMarketInfo) {}
  int32_t IndexOf(const char* market_no) override { return Loaded().IndexOf(MarketKey(Text(market_no))); }
  bool Exists(const char* market_no) override { return Loaded().Contains(MarketKey(Text(market_no))); }
  const char* KeyAt(int32_t index) override { return Loaded().At(index)->market_no; }
  RMarketInfo* Find(const char* market_no) override { return Loaded().Find(MarketKey(Text(market_no))); }
};

class FundObject final : public TableObject<IFundInfo, RFundInfo> {
 public:
  FundObject() : TableObject(CacheTable::Funds, Cache().funds, kIID_IFundInfo) {}
  int32_t IndexOf(int32_t fund_id) override { return Loaded().IndexOf(NumberKey(fund_id)); }
  bool Exists(int32_t fund_id) override { return Loaded().Contains(NumberKey(fund_id)); }
  int32_t KeyAt(int32_t index) override { return Loaded().At(index)->fund_id; }
  RFundInfo* Find(int32_t fund_id) override { return Loaded().Find(NumberKey(fund_id)); }
};

class SystemObject final : public TableObject<ISystemInfo, RSystemInfo> {
 public:
  SystemObject() : TableObject(CacheTable::System, Cache().system, kIID_ISystemInfo) {}
  RSystemInfo* Info() override { return Loaded().At(0); }
};

class ParameterObject final : public TableObject<ISysParameter, RSysParameter> {
 public:
  ParameterObject() : TableObject(CacheTable::Parameters, Cache().parameters, kIID_ISysParameter) {}
  RSysParameter* Find(int32_t serial_no) override { return Loaded().Find(NumberKey(serial_no)); }
};

class MenuRightObject final : public TableObject<IMenuRight, RMenuRight> {
 public:
  MenuRightObject() : TableObject(CacheTable::MenuRights, Cache().menu_rights, kIID_IMenuRight) {}
  bool HasRight(const char* operator_no, const char* menu_code) override {
    return Loaded().Contains(MenuRightKey(Text(operator_no), Text(menu_code)));
  }
};

class TradeDayObject final : public TableObject<IMarketTradeDay, RTradeDay> {
 public:
  TradeDayObject() : TableObject(CacheTable::TradeDays, Cache().trade_days, kIID_IMarketTradeDay) {}

  bool IsDay(int32_t date, const char* cal, int32_t kind) override {
    return Days(One(cal), KindBit(kind))->Contains(date);
  }
  int32_t FirstDate(const char* cal) override {
    const TradeCalendar* calendar = Book()->Calendar(CalendarCode(Text(cal)));
    return calendar != nullptr ? calendar->FirstDate() : -1;
  }
  int32_t Roll(int32_t date, const char* cal, int32_t off, int32_t kind) override {
    return Days(One(cal), KindBit(kind))->Roll(date, off >= 0);
  }
  int32_t RollList(int32_t date, const char* cals, int32_t off, int32_t kind) override {
    return Days(CalendarList(Text(cals)), KindBit(kind))->Roll(date, off >= 0);
  }
  int32_t Shift(int32_t date, const char* cal, int32_t off, int32_t* pos, int32_t kind) override {
    return Days(One(cal), KindBit(kind))->Shift(date, off, pos);
  }
  int32_t ShiftList(int32_t date, const char* cals, int32_t off, int32_t* pos, int32_t kind) override {
    return Days(CalendarList(Text(cals)), KindBit(kind))->Shift(date, off, pos);
  }
  int32_t CountDays(int32_t from, int32_t to, const char* cal, int32_t flags) override {
    return Days(One(cal), KindBit(0))->Count(from, to, flags);
  }
  int32_t LastDate(const char* cal) override {
    const TradeCalendar* calendar = Book()->Calendar(CalendarCode(Text(cal)));
    return calendar != nullptr ? calendar->LastDate() : -1;
  }
  int32_t ShiftKinds(int32_t date, const char* cal, int32_t off, int32_t* pos, const char* kinds) override {
    return Days(One(cal), KindMaskOfText(Text(kinds)))->Shift(date, off, pos);
  }
  int32_t ShiftKindsList(int32_t date, const char* cals, int32_t off, int32_t* pos, const char* kinds) override {
    return Days(CalendarList(Text(cals)), KindMaskOfText(Text(kinds)))->Shift(date, off, pos);
  }

 private:
  static std::vector<std::string> One(const char* cal) { return {CalendarCode(Text(cal))}; }
  std::shared_ptr<const TradeDayBook> Book() {
    Loaded();
    return Cache().Book();
  }
  std::shared_ptr<const QualifyingDays> Days(const std::vector<std::string>& codes, uint32_t mask) {
    return Book()->Days(codes, mask);
  }
};

}  // namespace

IMarketInfo& MarketTable() {
  static MarketObject object;
  return object;
}
IFundInfo& FundTable() {
  static FundObject object;
  return object;
}
ISystemInfo& SystemTable() {
  static SystemObject object;
  return object;
}
ISysParameter& ParameterTable() {
  static ParameterObject object;
  return object;
}
IMenuRight& MenuRightTable() {
  static MenuRightObject object;
  return object;
}
IMarketTradeDay& TradeDayTable() {
  static TradeDayObject object;
  return object;
}

ROperatorInfo* FindOperator(int32_t operator_no) {
  Cache().Ensure(CacheTable::Operators);
  return Cache().operators.Find(NumberKey(operator_no));
}

}  // namespace ruzi::memdata
