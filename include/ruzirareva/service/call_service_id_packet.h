#pragma once
// Calling a back-end function by number with an SDK packet, through the private client's
// tpcallSvrIdEx; the reply comes back as an SDK reader. (The text forms of CallServiceId are
// in call_service.h.) Any thread may call it, with a packer and a reader of its own, on the
// caller's middleware context.
#include <cstdint>
#include <string>

#include "ruzirareva/export.h"
#include "ruzirareva/service/zt_sdk_interfaces.h"

namespace ruzi {

// -2 for a local failure (bad function number, nil packer, no text buffer), else the client's
// status (0 on success). On success the reader UnPacker held is released (FreeUnPacker) and
// UnPacker reads the reply; on a middleware failure it is left as it was and ErrMsg is the
// middleware's text. XmlError wraps ErrMsg as "<ErrCode>…</ErrCode><ErrMsg>…</ErrMsg>".
RUZI_API int32_t CallServiceId(int32_t FuncNo, IF2Packer* Packer, IF2UnPacker*& UnPacker, std::string& ErrMsg,
                      int32_t TimeOut, bool XmlError, bool Flag);

}  // namespace ruzi
