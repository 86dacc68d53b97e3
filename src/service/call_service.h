#pragma once
// Calling a back-end service by name (or numeric id) with a tag-text request: connection per
// call or kept open, one reconnect after a lost connection, the risk-check redirection, the
// organisation and department prefixes, the reply convention and its result codes.
#include <cstdint>
#include <string>

#include "service/reply_convention.h"

namespace ruzi {

struct CallOptions {
  bool ConnectPerType = true;
  int32_t ReplySize = 1024;
  int32_t RawReplyOnError = 0;
  int32_t TimeOut = 30000;
  bool XmlError = false;
  bool ById = false;
  bool Flag = true;
};

int32_t CallServiceCore(std::string Svc, std::string Input, std::string& Output, const CallOptions& options);

int32_t CallService(const std::string& Svc, const std::string& Input, std::string& Output, int32_t TimeOut = 30000,
                    bool XmlError = false, bool Flag = true);
// Reserved has no effect; a service failure gives the whole reply text.
int32_t CallService(const std::string& Svc, const std::string& Input, std::string& Output, int32_t Reserved,
                    int32_t TimeOut, bool XmlError, bool Flag);
int32_t CallServiceId(int32_t FuncNo, const std::string& Input, std::string& Output, int32_t Reserved,
                      int32_t TimeOut, bool XmlError, bool Flag);
int32_t CallServiceId(int32_t FuncNo, const std::string& Input, std::string& Output, int32_t TimeOut,
                      bool XmlError, bool Flag);
// The eight-argument form: no wrapping, no id path, no display-word substitution.
int32_t CallService(const std::string& Svc, const std::string& Input, std::string& Output, bool ConnectPerType,
                    int32_t ReplySize, int32_t RawReplyOnError, int32_t TimeOut, bool Flag);

// Replies read as a record pack; logs every step; ends a connection it reopened itself.
int32_t CallService2Ex(std::string Svc, const std::string& Input, std::string& Output, int32_t TimeOut, bool Flag);

// Raw bytes in and out through tpcallex. Output is a block this call allocates from the
// process heap (FreeCallServiceOutput releases it); returns the middleware's status.
int32_t CallService(std::string Svc, const char* Input, int32_t InputLen, char** Output, int32_t* OutputLen,
                    int32_t TimeOut, bool XmlError, bool Flag);
void FreeCallServiceOutput(char* output);

// Selects the router, then calls; serialised process-wide.
int32_t CallServiceRouter(const std::string& Svc, const std::string& Input, std::string& Output, int32_t Reserved,
                          const std::string& RouterName, int32_t TimeOut);
int32_t CallServiceRouter(const std::string& Svc, const std::string& Input, std::string& Output,
                          const std::string& RouterName);
void SetRouterName(const std::string& RouterName);

// One line to Logs\CallService_<date>.log.
void CSWriteLog(const std::string& Text);
// The middleware's text for an error number, with advice for a time-out.
std::string ConvertTpErrMsg(int32_t ErrNo);

}  // namespace ruzi
