#include "foundation/format.h"

#include <optional>

#include "foundation/float_text.h"

namespace ruzi {
namespace {

// One directive: "%" [index ":"] ["-"] [width] ["." precision] type. The width may start with
// "0" to pad numbers with zeros after the sign ("%05d"); index, width and precision may be "*".
// Larger widths and precisions are taken for garbage: they would only inflate the output.
constexpr int kMaxNumber = 100000;

struct Directive {
  bool left = false;
  bool zero_pad = false;
  std::optional<int> width;
  std::optional<int> precision;
  char type = 0;  // lower case
};

class Formatter {
 public:
  Formatter(std::string_view format, std::span<const FormatArg> args) : format_(format), args_(args) {}

  std::string Run() {
    while (pos_ < format_.size()) {
      const size_t percent = format_.find('%', pos_);
      if (percent == std::string_view::npos) {
        out_.append(format_.substr(pos_));
        break;
      }
      out_.append(format_.substr(pos_, percent - pos_));
      pos_ = percent + 1;
      if (Peek() == '%') {
        out_ += '%';
        ++pos_;
        continue;
      }
      Emit(ReadDirective());
    }
    return std::move(out_);
  }

 private:
  char Peek() const { return pos_ < format_.size() ? format_[pos_] : '\0'; }

  [[noreturn]] void Invalid() const {
    throw FormatError("Format '" + std::string(format_) + "' invalid or incompatible with argument");
  }

  const FormatArg& NextArg() {
    if (next_arg_ >= args_.size()) {
      throw FormatError("No argument for format '" + std::string(format_) + "'");
    }
    return args_[next_arg_++];
  }

  // Digits or "*" (the next argument, which must be an integer); nothing when neither is there.
  std::optional<int> ReadNumber(bool* leading_zero = nullptr) {
    if (leading_zero != nullptr && Peek() == '0' && pos_ + 1 < format_.size() && format_[pos_ + 1] == '*') {
      *leading_zero = true;  // "%0*d"
      ++pos_;
    }
    if (Peek() == '*') {
      ++pos_;
      const FormatArg& arg = NextArg();
      if (arg.kind() != FormatArg::Kind::Integer) Invalid();
      if (arg.integer() > kMaxNumber || arg.integer() < -kMaxNumber) Invalid();
      return static_cast<int>(arg.integer());
    }
    if (Peek() < '0' || Peek() > '9') return std::nullopt;
    if (leading_zero != nullptr) *leading_zero = Peek() == '0';
    long long value = 0;
    while (Peek() >= '0' && Peek() <= '9') {
      value = value * 10 + (format_[pos_++] - '0');
      if (value > kMaxNumber) Invalid();
    }
    return static_cast<int>(value);
  }

  Directive ReadDirective() {
    Directive directive;
    bool leading_zero = false;
    std::optional<int> number = ReadNumber(&leading_zero);
    if (Peek() == ':') {
      ++pos_;
      const int index = number.value_or(0);
      if (index < 0) Invalid();
      next_arg_ = static_cast<size_t>(index);
      leading_zero = false;
      number = ReadNumber(&leading_zero);
    }
    if (!number && Peek() == '-') {
      ++pos_;
      directive.left = true;
      number = ReadNumber(&leading_zero);
    }
    if (number && *number < 0) {
      directive.left = true;  // a negative "*" width pads on the right
      number = -*number;
    }
    directive.width = number;
    directive.zero_pad = leading_zero && !directive.left;
    if (Peek() == '.') {
      ++pos_;
      directive.precision = ReadNumber().value_or(0);
      if (*directive.precision < 0) directive.precision.reset();
    }
    if (pos_ >= format_.size()) Invalid();
    char type = format_[pos_++];
    if (type >= 'A' && type <= 'Z') type = static_cast<char>(type - 'A' + 'a');
    directive.type = type;
    return directive;
  }

  const FormatArg& ArgOf(FormatArg::Kind kind) {
    const FormatArg& arg = NextArg();
    if (arg.kind() != kind) Invalid();
    return arg;
  }

  void Emit(const Directive& directive) {
    switch (directive.type) {
      case 'd':
      case 'u':
      case 'x':
        // As in C, a precision already fixes the digits: "0" then pads with blanks.
        return Pad(directive, IntegerText(directive, ArgOf(FormatArg::Kind::Integer)), !directive.precision);
      case 'e':
      case 'f':
      case 'g':
      case 'n':
      case 'm':
        return Pad(directive, FloatText(directive, ArgOf(FormatArg::Kind::Float).floating()),
                   directive.type != 'm');
      case 'p':
        return Pad(directive, PointerText(ArgOf(FormatArg::Kind::Pointer).pointer()), false);
      case 's': {
        std::string_view text = ArgOf(FormatArg::Kind::String).string();
        if (directive.precision && static_cast<size_t>(*directive.precision) < text.size()) {
          text = text.substr(0, static_cast<size_t>(*directive.precision));
        }
        return Pad(directive, std::string(text), false);
      }
      default:
        Invalid();
    }
  }

  static std::string Hex(uint64_t value) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string text;
    do {
      text.insert(text.begin(), kDigits[value & 15]);
      value >>= 4;
    } while (value != 0);
    return text;
  }

  static std::string IntegerText(const Directive& directive, const FormatArg& arg) {
    const int64_t value = arg.integer();
    // Unsigned views take the bits of the source type: -1 from an int is FFFFFFFF.
    const uint64_t bits = arg.wide() ? static_cast<uint64_t>(value) : static_cast<uint32_t>(value);
    bool negative = false;
    std::string digits;
    if (directive.type == 'x') {
      digits = Hex(bits);
    } else if (directive.type == 'u' || arg.is_unsigned()) {
      digits = std::to_string(bits);
    } else {
      negative = value < 0;
      digits = std::to_string(negative ? 0 - static_cast<uint64_t>(value) : static_cast<uint64_t>(value));
    }
    if (directive.precision && static_cast<size_t>(*directive.precision) > digits.size()) {
      digits.insert(0, static_cast<size_t>(*directive.precision) - digits.size(), '0');
    }
    return negative ? "-" + digits : digits;
  }

  static std::string FloatText(const Directive& directive, double value) {
    switch (directive.type) {
      case 'e':
        return FloatToText(value, FloatStyle::Exponent, directive.precision.value_or(15), 3);
      case 'g':
        return FloatToText(value, FloatStyle::General, directive.precision.value_or(15), 3);
      case 'f':
        return FloatToText(value, FloatStyle::Fixed, 18, directive.precision.value_or(2));
      case 'n':
        return FloatToText(value, FloatStyle::Number, 18, directive.precision.value_or(2));
      default:
        return FloatToText(value, FloatStyle::Currency, 18, directive.precision.value_or(2));
    }
  }

  static std::string PointerText(const void* pointer) {
    std::string text = Hex(reinterpret_cast<uintptr_t>(pointer));
    text.insert(0, sizeof(void*) * 2 - text.size(), '0');
    return text;
  }

  void Pad(const Directive& directive, std::string text, bool numeric) {
    const size_t width = static_cast<size_t>(directive.width.value_or(0));
    if (text.size() < width) {
      const size_t fill = width - text.size();
      if (directive.left) {
        text.append(fill, ' ');
      } else if (directive.zero_pad && numeric && text.find_first_of("0123456789") != std::string::npos) {
        // Zeros go after the sign: "%05d" of -42 is "-0042".
        text.insert(text.front() == '-' ? 1 : 0, fill, '0');
      } else {
        text.insert(0, fill, ' ');
      }
    }
    out_ += text;
  }

  std::string_view format_;
  std::span<const FormatArg> args_;
  size_t pos_ = 0;
  size_t next_arg_ = 0;
  std::string out_;
};

}  // namespace

std::string Format(std::string_view format, std::initializer_list<FormatArg> args) {
  return FormatList(format, std::span<const FormatArg>(args.begin(), args.size()));
}

std::string FormatList(std::string_view format, std::span<const FormatArg> args) {
  return Formatter(format, args).Run();
}

}  // namespace ruzi
