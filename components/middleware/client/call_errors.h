#pragma once
// The calling thread's last error: number, detail text and the user code of the last reply
// (gettperrno, tpstrerror, gettpurcode). Network failures carry a marker in their detail
// ("-5" address not set or malformed, "-20" address not resolvable or no network layer,
// "-17" nobody accepts the connection, "-9" connection lost, "超时" a wait ran out) so a
// caller can tell them from a refused sign-on, whose text carries none of them.
#include <cstdint>
#include <string>
#include <string_view>

#include "tcp_connection.h"

namespace ruzi::wsclient {

void SetError(int32_t error_number, std::string_view detail = {});
int32_t LastErrorNumber();
void SetUserCode(int32_t user_code);
int32_t LastUserCode();

// "-5", "-20", "-17", "-9" or "超时" for the failure, followed by its description.
std::string NetworkDetail(mw::NetFailure failure, std::string_view where);
// The detail of a missing or malformed server address.
std::string AddressDetail(std::string_view problem);

// "<NAME> - <detail or standard description>", GBK; the detail of the thread's last error
// when `error_number` is that error. Valid until the thread's next call.
const char* ErrorText(int32_t error_number);

}  // namespace ruzi::wsclient

namespace ruzi::wsclient {

// Records the error for the thread and returns -1, the failure status of every entry.
inline int32_t Fail(int32_t error_number, std::string_view detail = {}) {
  SetError(error_number, detail);
  return -1;
}

}  // namespace ruzi::wsclient
