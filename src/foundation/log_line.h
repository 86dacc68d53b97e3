#pragma once
// The text of one log line and the masking applied to it before it is written.
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "foundation/log_message.h"
#include "foundation/log_type.h"
#include "platform/clock.h"

namespace ruzi {

// name=value pairs: a text holding both loses everything from the first name to the end of
// the first value. The one entry hides a capital-account password element, tags included.
const std::vector<std::pair<std::string, std::string>>& LogMaskingList();
void MaskLogText(std::string& text);

// Appends "[" pid "]" time "[" level "][" tid "]: " [ "[" type "]" ] text CR LF to out. The
// type tag is written only when with_type_tag is set and the message's type is not ltNormal.
void AppendLogLine(std::string& out, const TLogMessage& message, std::string_view process_id,
                   bool with_type_tag);

// The same line from its parts, masked on the way, allocating only when the buffer grows or
// the text holds something to mask. thread_id is the decimal id.
void AppendLogLine(std::string& out, const platform::LocalDateTime& time, int level, std::string_view thread_id,
                   TLogType log_type, std::string_view msg, std::string_view process_id, bool with_type_tag);

// value in decimal, written into buffer.
std::string_view DecimalText(uint32_t value, char (&buffer)[12]);

// Files whose key ends in "pbrc" (any case) carry the type tag.
bool LogKeyWantsTypeTag(std::string_view file_key);

}  // namespace ruzi
