#pragma once
// Calling a back-end service by name (or numeric id) with a tag-text request: connection per
// call or kept open, one reconnect after a lost connection, the risk-check redirection, the
// organisation and department prefixes, the reply convention and its result codes. Any thread may
// call: each call runs on the caller's own middleware context, and only the router calls are
// serialised.
#include <cstdint>
#include <string>

#include "ruzirareva/export.h"

namespace ruzi {

// Result codes of every service call.
inline constexpr int32_t kCallOk = 0;
inline constexpr int32_t kCallWarning = 1;
inline constexpr int32_t kCallServiceFailed = -1;
inline constexpr int32_t kCallLocalFailure = -2;
inline constexpr int32_t kCallTimeout = -3;

// One of the result codes above; Output: the reply text (0), "(code)warning" (1), else the message.
RUZI_API int32_t CallService(const std::string& Svc, const std::string& Input, std::string& Output, int32_t TimeOut = 30000,
                    bool XmlError = false, bool Flag = true);
// Reserved has no effect; a service failure gives the whole reply text.
RUZI_API int32_t CallService(const std::string& Svc, const std::string& Input, std::string& Output, int32_t Reserved,
                    int32_t TimeOut, bool XmlError, bool Flag);
// FuncNo, in decimal, names the service through the client's id entry. Reserved has no effect.
RUZI_API int32_t CallServiceId(int32_t FuncNo, const std::string& Input, std::string& Output, int32_t Reserved,
                      int32_t TimeOut, bool XmlError, bool Flag);
// The same, except that a service failure gives the whole reply text.
RUZI_API int32_t CallServiceId(int32_t FuncNo, const std::string& Input, std::string& Output, int32_t TimeOut,
                      bool XmlError, bool Flag);
// The eight-argument form: no wrapping, no id path, no display-word substitution.
RUZI_API int32_t CallService(const std::string& Svc, const std::string& Input, std::string& Output, bool ConnectPerType,
                    int32_t ReplySize, int32_t RawReplyOnError, int32_t TimeOut, bool Flag);

// Replies read as a record pack; logs every step; ends a connection it reopened itself.
RUZI_API int32_t CallService2Ex(std::string Svc, const std::string& Input, std::string& Output, int32_t TimeOut, bool Flag);

// Raw bytes in and out through tpcallex. Output is a block this call allocates from the
// process heap (FreeCallServiceOutput releases it); returns the middleware's status.
RUZI_API int32_t CallService(std::string Svc, const char* Input, int32_t InputLen, char** Output, int32_t* OutputLen,
                    int32_t TimeOut, bool XmlError, bool Flag);
RUZI_API void FreeCallServiceOutput(char* output);

// Selects the router, then calls; serialised process-wide.
RUZI_API int32_t CallServiceRouter(const std::string& Svc, const std::string& Input, std::string& Output, int32_t Reserved,
                          const std::string& RouterName, int32_t TimeOut);
RUZI_API int32_t CallServiceRouter(const std::string& Svc, const std::string& Input, std::string& Output,
                          const std::string& RouterName);
RUZI_API void SetRouterName(const std::string& RouterName);

// One line to Logs\CallService_<date>.log.
RUZI_API void CSWriteLog(const std::string& Text);
// The middleware's text for an error number, with advice for a time-out.
RUZI_API std::string ConvertTpErrMsg(int32_t ErrNo);
// The three risk-check services go to "svc_mult_risk"; any other name is left as it is.
RUZI_API void TransMultRisk(std::string& Svc);

}  // namespace ruzi
