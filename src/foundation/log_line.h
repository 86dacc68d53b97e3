#pragma once
// The text of one log line and the masking applied to it before it is written.
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "foundation/log_message.h"

namespace ruzi {

// name=value pairs: a text holding both loses everything from the first name to the end of
// the first value. The one entry hides a capital-account password element, tags included.
const std::vector<std::pair<std::string, std::string>>& LogMaskingList();
void MaskLogText(std::string& text);

// Appends "[" pid "]" time "[" level "][" tid "]: " [ "[" type "]" ] text CR LF to out. The
// type tag is written only when with_type_tag is set and the message's type is not ltNormal.
void AppendLogLine(std::string& out, const TLogMessage& message, std::string_view process_id,
                   bool with_type_tag);

// Files whose key ends in "pbrc" (any case) carry the type tag.
bool LogKeyWantsTypeTag(std::string_view file_key);

}  // namespace ruzi
