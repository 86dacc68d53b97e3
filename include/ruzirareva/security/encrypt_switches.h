#pragma once
// The two switches of the encryption facade: the user's registry value that turns enciphering
// off, and the host executable's choice of the national ciphers. Any thread may call them; two
// first calls at once may both ask the executable and keep the same answer.
#include "ruzirareva/export.h"

namespace ruzi {

// False exactly when HKEY_CURRENT_USER\Software\Trade\Login "DisableEncrypt" reads "Yes"
// (case-sensitive); true (enciphering on) for any other value or a missing key. Read afresh
// on every call.
RUZI_API bool CheckDisableEncrypt();

// True when the host executable exports GetIsUseSM and it returned 1. The executable's answer
// is kept once it has been given; without the export the look-up is repeated on each call.
RUZI_API bool is_use_sm();

}  // namespace ruzi
