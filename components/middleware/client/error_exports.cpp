// The calling thread's last error and user code.
#include "call_errors.h"
#include "wtuxws32.h"

extern "C" {

int32_t gettperrno() { return ruzi::wsclient::LastErrorNumber(); }

int32_t gettpurcode() { return ruzi::wsclient::LastUserCode(); }

const char* tpstrerror(int32_t error_number) { return ruzi::wsclient::ErrorText(error_number); }

}  // extern "C"
