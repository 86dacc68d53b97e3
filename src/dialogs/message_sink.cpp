#include "dialogs/message_sink.h"

#include <mutex>

namespace ruzi {
namespace {

std::mutex& SinkLock() {
  static std::mutex lock;
  return lock;
}

MessageSink& InstalledSink() {
  static MessageSink sink;
  return sink;
}

}  // namespace

int ShowMessageBox(std::string_view text, std::string_view caption, unsigned flags) {
  MessageSink sink;
  {
    // A copy, so a modal box does not hold the lock while it waits for the user.
    std::lock_guard<std::mutex> guard(SinkLock());
    sink = InstalledSink();
  }
  return sink ? sink(text, caption, flags) : DefaultMessageSink(text, caption, flags);
}

MessageSink SetMessageSink(MessageSink sink) {
  std::lock_guard<std::mutex> guard(SinkLock());
  MessageSink previous = std::move(InstalledSink());
  InstalledSink() = std::move(sink);
  return previous;
}

int DefaultButton(unsigned flags) {
  // Buttons of each MB_ type in the order Windows places them.
  static const int kButtons[][3] = {
      {kIdOk, 0, 0},            // MB_OK
      {kIdOk, kIdCancel, 0},    // MB_OKCANCEL
      {3, 4, 5},                // MB_ABORTRETRYIGNORE: IDABORT, IDRETRY, IDIGNORE
      {kIdYes, kIdNo, kIdCancel},  // MB_YESNOCANCEL
      {kIdYes, kIdNo, 0},       // MB_YESNO
      {4, kIdCancel, 0},        // MB_RETRYCANCEL
      {kIdCancel, 10, 11},      // MB_CANCELTRYCONTINUE: IDCANCEL, IDTRYAGAIN, IDCONTINUE
  };
  const unsigned type = flags & 0xF;
  const unsigned position = (flags >> 8) & 0xF;
  if (type >= sizeof kButtons / sizeof kButtons[0]) return kIdOk;
  const int chosen = position < 3 ? kButtons[type][position] : 0;
  return chosen != 0 ? chosen : kButtons[type][0];
}

}  // namespace ruzi
