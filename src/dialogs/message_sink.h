#pragma once
// Where the library's message boxes go. Every prompt of the library (a package's Output, and
// later the application dialogs) passes through one process-wide sink, so tests can answer
// them and a build without a user interface still shows them somewhere. The built-in sink is a
// real message box on Windows (GBK text through code page 936) and a line on stderr natively.
#include <functional>
#include <string_view>

namespace ruzi {

// Flags and answers carry the Win32 values (MB_OK, MB_YESNO, ..., IDOK, IDYES, ...).
inline constexpr unsigned kMbOk = 0x0;
inline constexpr unsigned kMbOkCancel = 0x1;
inline constexpr unsigned kMbYesNoCancel = 0x3;
inline constexpr unsigned kMbYesNo = 0x4;
inline constexpr unsigned kMbIconExclamation = 0x30;
inline constexpr unsigned kMbIconInformation = 0x40;
inline constexpr unsigned kMbDefButton2 = 0x100;
inline constexpr unsigned kMbDefButton3 = 0x200;
inline constexpr int kIdOk = 1;
inline constexpr int kIdCancel = 2;
inline constexpr int kIdYes = 6;
inline constexpr int kIdNo = 7;

// Receives the GBK text, the GBK caption and the flags; returns the button chosen.
using MessageSink = std::function<int(std::string_view text, std::string_view caption, unsigned flags)>;

// Shows a message through the current sink and returns its answer.
int ShowMessageBox(std::string_view text, std::string_view caption, unsigned flags);

// Installs a sink for the whole process and returns the one it replaces (empty while the
// built-in sink is in use); an empty sink restores the built-in one.
MessageSink SetMessageSink(MessageSink sink);

// The built-in sink. Natively it answers with the default button of the flags.
int DefaultMessageSink(std::string_view text, std::string_view caption, unsigned flags);

// The default button of a message box with these flags (IDOK for MB_OK, IDNO for
// MB_YESNO | MB_DEFBUTTON2, ...).
int DefaultButton(unsigned flags);

// A sink for the life of a scope; the previous one comes back afterwards.
class ScopedMessageSink {
 public:
  explicit ScopedMessageSink(MessageSink sink) : previous_(SetMessageSink(std::move(sink))) {}
  ~ScopedMessageSink() { SetMessageSink(std::move(previous_)); }
  ScopedMessageSink(const ScopedMessageSink&) = delete;
  ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

 private:
  MessageSink previous_;
};

}  // namespace ruzi
