#pragma once
// Numbers the client's callers pass and test: error numbers (shared with the server's
// error frames, extended by those only the client raises), call flags, context ids.
#include <cstdint>

#include "error_numbers.h"

namespace ruzi::wsclient {

// Raised only by the client itself.
inline constexpr int32_t kErrBadDescriptor = 2;  // tpgetrply with a descriptor never handed out
inline constexpr int32_t kErrBlock = 3;          // no reply yet and the caller will not wait
inline constexpr int32_t kErrInvalid = 4;        // a null or malformed argument
inline constexpr int32_t kErrOs = 7;             // memory could not be had
inline constexpr int32_t kErrInputType = 17;     // the request buffer cannot travel
inline constexpr int32_t kErrOutputType = 18;    // the reply cannot go into that buffer

// Flags of tpacall and tpgetrply.
inline constexpr int32_t kFlagNoBlock = 0x01;
inline constexpr int32_t kFlagNoReply = 0x04;
inline constexpr int32_t kFlagNoTime = 0x08;
inline constexpr int32_t kFlagGetAny = 0x80;

// Context ids of tpgetctxt/tpsetctxt.
inline constexpr int32_t kNullContext = -2;
inline constexpr int32_t kInvalidContext = -1;

// The sign-on record's flag asking for one context per thread.
inline constexpr int32_t kMultiContexts = 32;

// Answer of tpchkauth: the application may be asked for a password.
inline constexpr int32_t kApplicationAuthentication = 2;

}  // namespace ruzi::wsclient
