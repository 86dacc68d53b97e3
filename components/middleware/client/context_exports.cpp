// Sign-on, sign-off and the choice of context.
#include <cstring>

#include "atmi_constants.h"
#include "call_errors.h"
#include "client_settings.h"
#include "context_registry.h"
#include "server_address.h"
#include "tp_init_record.h"
#include "wtuxws32.h"

namespace ruzi::wsclient {
namespace {

// A record field need not end with a NUL when it fills its 32 bytes.
std::string Field(const char (&field)[32]) { return std::string(field, strnlen(field, sizeof field)); }

int32_t SignOn(const void* tpinfo, const std::string& address_text) {
  std::string problem;
  std::vector<ServerAddress> addresses = ParseServerAddresses(address_text, &problem);
  if (addresses.empty()) return Fail(mw::kMwSystem, AddressDetail(problem));

  mw::SignOnRequest request;
  if (tpinfo != nullptr) {
    const auto* record = static_cast<const TpInitRecord*>(tpinfo);
    request.user = Field(record->user_name);
    request.client = Field(record->client_name);
    request.password = Field(record->password);
    request.flags = static_cast<uint32_t>(record->flags);
  }
  const bool per_thread = (request.flags & kMultiContexts) != 0;
  ContextRegistry& registry = ContextRegistry::Instance();
  std::shared_ptr<ClientContext> context = registry.Create();
  CallOutcome outcome = context->SignOn(addresses, request, ConnectTimeoutSetting());
  if (outcome.error_number != 0) return Fail(outcome.error_number, outcome.detail);
  if (std::shared_ptr<ClientContext> previous = registry.Adopt(context, per_thread)) previous->SignOff();
  SetError(0);
  return 0;
}

}  // namespace
}  // namespace ruzi::wsclient

using namespace ruzi::wsclient;

extern "C" {

int32_t tpinit(void* tpinfo) { return SignOn(tpinfo, ServerAddressSetting()); }

int32_t tpinitex(void* tpinfo, const char* address) {
  if (address == nullptr) return Fail(kErrInvalid, "服务器地址为空");
  return SignOn(tpinfo, address);
}

int32_t tpterm() {
  ContextRegistry& registry = ContextRegistry::Instance();
  if (std::shared_ptr<ClientContext> context = registry.Current()) {
    context->SignOff();
    registry.Remove(context->Id());
  }
  SetError(0);
  return 0;
}

int32_t tpchkauth() { return kApplicationAuthentication; }

int32_t getconnectstate() {
  std::shared_ptr<ClientContext> context = ContextRegistry::Instance().Current();
  return context && context->Connected() ? 1 : 0;
}

int32_t tpgetctxt(int32_t* context, int32_t flags) {
  if (context == nullptr || flags != 0) return Fail(kErrInvalid);
  *context = ContextRegistry::Instance().CurrentId();
  return 0;
}

int32_t tpsetctxt(int32_t context, int32_t flags) {
  if (flags != 0 || !ContextRegistry::Instance().Select(context)) return Fail(kErrInvalid, "上下文不存在");
  return 0;
}

int32_t tpsetcontxt(int32_t context) { return tpsetctxt(context, 0); }

}  // extern "C"
