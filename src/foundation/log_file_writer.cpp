#include "foundation/log_file_writer.h"

#include "foundation/error.h"
#include "foundation/local_time_text.h"
#include "foundation/log_file_names.h"
#include "foundation/log_line.h"
#include "platform/win32_error.h"

namespace ruzi {

LogFileWriter::LogFileWriter(std::string key, double max_file_size_mb, std::string process_id,
                             const LogWriterSeams& seams)
    : Key(std::move(key)),
      MaxFileSizeMB(max_file_size_mb),
      Queue(DeleterFor<TLogMessage>()),
      process_id_(std::move(process_id)),
      with_type_tag_(LogKeyWantsTypeTag(Key)),
      seams_(seams) {
  CurDate = DateText(seams_.clock->Now());
  FileName = CurrentLogFileName(Key, CurDate);
  seams_.files->CreateEmptyFile(FileName);  // a failure shows at the first flush
}

void LogFileWriter::CheckSize() {
  const uint32_t now = seams_.clock->Tick();
  if (now - LastSizeCheck <= kLogSizeCheckPeriodMs) return;
  const int64_t size = seams_.files->FileSize(FileName);
  if (size >= 0 && static_cast<double>(size) > MaxFileSizeMB * 1048576.0) {
    int number = FileSeq;
    while (seams_.files->FileExists(RotatedLogFileName(Key, CurDate, number))) ++number;
    seams_.files->RenameFile(FileName, RotatedLogFileName(Key, CurDate, number));
    FileSeq = number + 1;
    seams_.files->CreateEmptyFile(FileName);
  }
  LastSizeCheck = now;
}

void LogFileWriter::FollowDate() {
  const std::string today = DateText(seams_.clock->Now());
  if (today == CurDate) return;
  FileSeq = 1;
  CurDate = today;
  FileName = CurrentLogFileName(Key, CurDate);
  seams_.files->CreateEmptyFile(FileName);
}

bool LogFileWriter::WriteLog() {
  for (int count = 0; count < kLogLinesPerPass; ++count) {
    auto* message = static_cast<TLogMessage*>(Queue.Pop());
    if (message == nullptr) break;
    try {
      CheckSize();
      FollowDate();
      ++PendingCount;
      MaskLogText(message->Msg);
      AppendLogLine(Buffer, *message, process_id_, with_type_tag_);
      delete message;
    } catch (...) {
      if (++message->RetryCount < kLogFormatRetries) {
        Queue.Push(message);  // to the tail: this line may now follow later ones
        seams_.sleep(kLogRetryPauseMs);
        continue;
      }
      delete message;
      throw;
    }
  }
  if (PendingCount > 0) {
    PendingCount = 0;
    Flush();
  }
  return Queue.Count() > 0;
}

void LogFileWriter::FlushRemaining() {
  if (!Buffer.empty()) Flush();
}

void LogFileWriter::Flush() {
  const uint32_t error = seams_.files->AppendToFile(FileName, Buffer);
  if (error != 0) throw Error(platform::Win32ErrorText(error));
  Buffer.clear();
}

}  // namespace ruzi
