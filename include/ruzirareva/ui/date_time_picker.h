#pragma once
// The system's date and time picker: a date (Kind dtkDate) or a time of day (dtkTime) the user
// edits, shown in the short or long date form or in Format (the system's picture, "yyyy-MM-dd"),
// holding one date-time value (days since 1899-12-30). It starts at the moment it is made. As
// text the value reads "yyyy-mm-dd hh:nn:ss". OnChange runs when the user changes it.
// User-interface thread only.
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/ui/win_control.h"

namespace ruzi {

enum class TDateTimeKind { dtkDate, dtkTime };
enum class TDTDateFormat { dfShort, dfLong };

template <>
struct TEnumNames<TDateTimeKind> {
  static constexpr std::array<const char*, 2> Names{"dtkDate", "dtkTime"};
};
template <>
struct TEnumNames<TDTDateFormat> {
  static constexpr std::array<const char*, 2> Names{"dfShort", "dfLong"};
};

class RUZI_API TDateTimePicker : public TWinControl {
  RUZI_CLASS_RECORD_PUBLISHED(TDateTimePicker, TWinControl::ClassRecord())

 public:
  explicit TDateTimePicker(TComponent* owner = nullptr);

  double DateTime() const { return date_time_; }
  void SetDateTime(double date_time);
  TDateTimeKind Kind() const { return kind_; }
  void SetKind(TDateTimeKind kind);
  TDTDateFormat DateFormat() const { return date_format_; }
  void SetDateFormat(TDTDateFormat format);
  const std::string& Format() const { return format_; }
  void SetFormat(const std::string& format);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& params) override;
  void CreateWnd() override;
  void WndProc(TMessage& message) override;

 private:
  void Recreate();
  // The Win32 half: the value and format to the window; the value the user chose, when the
  // message is the window's change notification.
  void UpdateWindowValue();
  bool ChangedValue(const TMessage& message, double& date_time);

  double date_time_;
  TDateTimeKind kind_ = TDateTimeKind::dtkDate;
  TDTDateFormat date_format_ = TDTDateFormat::dfShort;
  std::string format_;
};

// The client's picker: the system's one, with the client's class name for its skin.
class RUZI_API TQxDateTimePicker : public TDateTimePicker {
  RUZI_CLASS_RECORD(TQxDateTimePicker, TDateTimePicker::ClassRecord())

 public:
  explicit TQxDateTimePicker(TComponent* owner = nullptr) : TDateTimePicker(owner) {}
};

}  // namespace ruzi
