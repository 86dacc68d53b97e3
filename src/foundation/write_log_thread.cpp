#include "foundation/write_log_thread.h"

namespace ruzi {
namespace {

std::shared_ptr<LogPassLoop> WriterLoop(const std::shared_ptr<LogFileWriter>& writer) {
  // The loop holds the writer too, so a thread that outlives its owner's wait keeps it.
  return std::make_shared<LogPassLoop>([writer] { return writer->WriteLog(); },
                                       [writer] { return writer->Queue.Count() > 0; },
                                       [writer] { writer->FlushRemaining(); });
}

}  // namespace

TWriteLogThread::TWriteLogThread(std::shared_ptr<LogFileWriter> writer)
    : writer_(writer), thread_(WriterLoop(writer)) {}

}  // namespace ruzi
