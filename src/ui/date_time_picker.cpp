#include "ui/date_time_picker.h"

#include <iterator>

#include "foundation/date_time.h"
#include "foundation/date_time_text.h"
#include "platform/clock.h"
#include "ui/control_messages.h"

namespace ruzi {
namespace {

constexpr uint32_t kLongDate = 0x4, kTimeFormat = 0x9, kClientEdge = 0x200;  // DTS_LONGDATEFORMAT, DTS_TIMEFORMAT

// Date-time values as their one text form.
struct TDateTimeText {
  static constexpr TTypeKind Kind = TTypeKind::tkFloat;
  static constexpr const char* const* ValueNames() { return nullptr; }
  static constexpr size_t ValueCount() { return 0; }
  static std::string ToText(double value) { return DateTimeToText(value); }
  static std::optional<double> FromText(std::string_view text) { return TryTextToDateTime(text); }
};

double Now() {
  const platform::LocalDateTime now = platform::LocalNow();
  return EncodeDate(now.year, now.month, now.day) + EncodeTime(now.hour, now.minute, now.second, 0);
}

}  // namespace

const TPropertyTable* TDateTimePicker::PublishedTable() {
  static const TPropertyInfo properties[] = {
      Published<&TDateTimePicker::DateFormat, &TDateTimePicker::SetDateFormat>("DateFormat"),
      PublishedAs<TDateTimeText, &TDateTimePicker::DateTime, &TDateTimePicker::SetDateTime>("DateTime"),
      Published<&TDateTimePicker::Format, &TDateTimePicker::SetFormat>("Format"),
      Published<&TDateTimePicker::Kind, &TDateTimePicker::SetKind>("Kind")};
  static const TEventInfo events[] = {PublishedEvent<&TDateTimePicker::OnChange>("OnChange")};
  static const TPropertyTable table{properties, std::size(properties), events, std::size(events)};
  return &table;
}

TDateTimePicker::TDateTimePicker(TComponent* owner) : TWinControl(owner), date_time_(Now()) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 186, 21);
}

void TDateTimePicker::SetDateTime(double date_time) {
  date_time_ = date_time;
  UpdateWindowValue();
}

void TDateTimePicker::Recreate() {
  if (!HandleAllocated()) return;
  DestroyHandle();
  Handle();
}

void TDateTimePicker::SetKind(TDateTimeKind kind) {
  if (kind == kind_) return;
  kind_ = kind;
  Recreate();
}

void TDateTimePicker::SetDateFormat(TDTDateFormat format) {
  if (format == date_format_) return;
  date_format_ = format;
  Recreate();
}

void TDateTimePicker::SetFormat(const std::string& format) {
  format_ = format;
  UpdateWindowValue();
}

void TDateTimePicker::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SystemClass = "SysDateTimePick32";
  if (kind_ == TDateTimeKind::dtkTime) {
    params.Style |= kTimeFormat;
  } else if (date_format_ == TDTDateFormat::dfLong) {
    params.Style |= kLongDate;
  }
  params.ExStyle |= kClientEdge;
}

void TDateTimePicker::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateWindowValue();
}

void TDateTimePicker::WndProc(TMessage& message) {
  double chosen = 0;
  if (message.Msg == CN_NOTIFY && ChangedValue(message, chosen)) {
    date_time_ = chosen;
    OnChange(this);
    return;
  }
  TWinControl::WndProc(message);
}

}  // namespace ruzi
