#include "service/call_service.h"

#include <charconv>
#include <cstring>
#include <exception>

#include "platform/ascii_case.h"
#include "foundation/byte_search.h"
#include "foundation/write_log_ex.h"
#include "packets/qx_pack.h"
#include "platform/dynamic_library.h"
#include "platform/environment.h"
#include "platform/process_heap.h"
#include "service/middleware_buffer.h"
#include "service/reply_convention.h"
#include "service/tuxedo_connection.h"
#include "service/tuxedo_entries.h"

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

namespace {

constexpr int32_t kErrAbort = 1;
constexpr int32_t kErrProtocol = 9;
constexpr int32_t kErrSystem = 12;
constexpr int32_t kErrTime = 13;

bool ConnectionLost(int32_t error) { return error == kErrSystem || error == kErrProtocol; }
bool TimedOutOrAborted(int32_t error) { return error == kErrTime || error == kErrAbort; }

// Reads "QxClientRunType" until it says "2"; then run type two holds for the process.
bool RunTypeTwo() {
  if (gQxClientRunType < 0 && platform::GetEnvironment("QxClientRunType") == "2") gQxClientRunType = 2;
  return gQxClientRunType == 2;
}

// "<l_dept_id>…</l_dept_id><l_org_id>…</l_org_id>", each part only when its variable is set.
std::string OrganisationPrefix() {
  std::string prefix;
  try {
    std::string org = platform::GetEnvironment("l_org_id");
    if (!org.empty()) prefix = "<l_org_id>" + org + "</l_org_id>";
    std::string dept = platform::GetEnvironment("l_dept_id");
    if (!dept.empty()) prefix = "<l_dept_id>" + dept + "</l_dept_id>" + prefix;
  } catch (const std::exception&) {
    // The prefixes are a courtesy to the server; a call goes ahead without them.
  }
  return prefix;
}

// Runs at every way out of a call once its buffers exist.
class ConnectionScope {
 public:
  explicit ConnectionScope(bool end_connection) : end_connection_(end_connection) {}
  ~ConnectionScope() {
    if (end_connection_) tpterm();
  }

 private:
  bool end_connection_;
};

// The eight-argument form differs from the common routine in these ways.
enum class CallStyle { Common, Plain };

int32_t RunStringCall(std::string svc, const std::string& input, std::string& output,
                      const CallOptions& options, CallStyle style) {
  const bool plain = style == CallStyle::Plain;
  const bool wrap = !plain && options.XmlError;
  const bool by_id = !plain && options.ById;
  int32_t result = kCallLocalFailure;
  auto finish = [&](int32_t code) {
    if (wrap) output = WrapError(code, output);
    return result;
  };

  if (svc.empty()) {
    output = "服务名不能为空";
    return finish(result);
  }
  TransMultRisk(svc);
  const bool run_type_two = RunTypeTwo();
  bool connect_per_type = options.ConnectPerType;
  std::string connection_type = "1";
  if (run_type_two) {
    connect_per_type = false;
  } else {
    connection_type = platform::GetEnvironment("TUXEDO_CONNECTION_TYPE");
    if (connect_per_type && connection_type != "1" && TuxedoInit(output) < 0) return finish(result);
  }
  // The request is the prefix and the input up to its first NUL; one batch service of run
  // type two gets the whole input copied, though its length still ends at that NUL.
  const std::string prefix = OrganisationPrefix();
  const size_t text_length = TextLength(input.data(), input.size());
  const size_t copied = run_type_two && AsciiEqualIgnoreCase(svc, "HQTRAN_BATCH_RC") ? input.size() : text_length;

  ConnectionScope connection(connect_per_type && connection_type != "1");
  MiddlewareBuffer request("STRING", static_cast<int32_t>(prefix.size() + input.size() + 1));
  MiddlewareBuffer reply("STRING", options.ReplySize);
  if (!request || !reply) {
    output = AllocationFailureMessage();
    return finish(result);
  }
  std::memcpy(request.get(), prefix.data(), prefix.size());
  std::memcpy(request.get() + prefix.size(), input.data(), copied);
  request.get()[prefix.size() + copied] = '\0';
  const auto request_length = static_cast<int32_t>(prefix.size() + text_length + 1);

  int32_t reply_length = 0;
  auto call = [&]() -> int32_t {
    if (!by_id) {
      return tpcall(svc.c_str(), request.get(), request_length, reply.address(), &reply_length, 0, options.TimeOut,
                    options.Flag);
    }
    int32_t id = 0;
    auto [end, error] = std::from_chars(svc.data(), svc.data() + svc.size(), id);
    if (error != std::errc() || end != svc.data() + svc.size()) id = -1;
    return _tpcallsvrid(id, request.get(), request_length, reply.address(), &reply_length, 0, options.TimeOut,
                        options.Flag ? 1 : 0);
  };
  if (by_id && _tpcallsvrid == nullptr) {
    output = "客户端不支持按服务号调用(tpcallSvrId): 执行目录下没有wtuxws32.dll";
    return finish(result);
  }

  int32_t status = call();
  int32_t error = gettperrno();
  if (status < 0 && !by_id) {
    if (ConnectionLost(error)) {
      if (TuxedoInit(output) < 0) return finish(result);
      status = call();
      if (status < 0) error = gettperrno();
    }
    if (status < 0) {
      if (TimedOutOrAborted(error)) result = kCallTimeout;
      const std::string prefix = std::string(plain ? "调用服务(tpcall:" : "服务调用(tpcall:") + svc + ")!\r\n";
      if (error == 0) {
        output = prefix + "返回信息:" + reply.Text();
      } else {
        output = plain ? prefix + ConvertTpErrMsg(error) : ConvertTpErrMsg(error);
      }
      if (wrap) output = WrapError(status, output);
      return result;
    }
  }

  ReplyVerdict verdict = JudgeReply(svc, reply.TextWithin(reply_length), options.RawReplyOnError == 1, run_type_two);
  result = verdict.result;
  output = std::move(verdict.output);
  if (!verdict.follows_convention || plain) return finish(result);
  if (result == kCallServiceFailed && !gHaveGetParameter61057) {
    gParameter61057Value = ReadIniParameter();
    gHaveGetParameter61057 = !gParameter61057Value.empty();
  }
  SubstituteDisplayWord(output, gParameter61057Value);
  return finish(result);
}

// The output block of the raw-buffer form: at least `size` zero bytes from the process heap.
char* NewOutputBlock(size_t size) { return static_cast<char*>(platform::ProcessHeapAllocate(size)); }

// Copies a message into the 1024-byte block, cut so its terminating NUL fits.
void CopyMessage(char* block, const std::string& text) {
  size_t count = std::min<size_t>(text.size(), 1023);
  std::memcpy(block, text.data(), count);
  block[count] = '\0';
}

// Wrapping a raw output replaces the block by one that holds the wrapped text.
void WrapBlock(char** output, int32_t code) {
  std::string wrapped = WrapError(code, *output);
  platform::ProcessHeapFree(*output);
  *output = NewOutputBlock(std::max<size_t>(wrapped.size() + 1, 1024));
  std::memcpy(*output, wrapped.c_str(), wrapped.size() + 1);
}

}  // namespace

std::string AllocationFailureMessage() {
  const int32_t error = gettperrno();
  return "内存分配失败(tpalloc)!错误号:" + std::to_string(error) + tpstrerror(error);
}

std::string ConvertTpErrMsg(int32_t ErrNo) {
  std::string text = tpstrerror(ErrNo);
  if (ErrNo == kErrTime) text += "\r\n处理建议: 检查Ubbconfig的BlockTime时间设置是否正确, 建议300-1000。";
  return text;
}

void CSWriteLog(const std::string& Text) {
  static std::mutex creating;
  {
    std::lock_guard guard(creating);
    if (GLog == nullptr) GLog = new TqxWriteLogEx("CallService", "", 200, "");
  }
  GLog->AddLog(Text, "", 0, ltNormal);
}

static int32_t CallServiceCore(std::string Svc, std::string Input, std::string& Output, const CallOptions& options) {
  return RunStringCall(std::move(Svc), Input, Output, options, CallStyle::Common);
}

int32_t CallService(const std::string& Svc, const std::string& Input, std::string& Output, int32_t TimeOut,
                    bool XmlError, bool Flag) {
  CallOptions options;
  options.TimeOut = TimeOut;
  options.XmlError = XmlError;
  options.Flag = Flag;
  return CallServiceCore(Svc, Input, Output, options);
}

int32_t CallService(const std::string& Svc, const std::string& Input, std::string& Output, int32_t /*Reserved*/,
                    int32_t TimeOut, bool XmlError, bool Flag) {
  CallOptions options;
  options.RawReplyOnError = 1;
  options.TimeOut = TimeOut;
  options.XmlError = XmlError;
  options.Flag = Flag;
  return CallServiceCore(Svc, Input, Output, options);
}

int32_t CallServiceId(int32_t FuncNo, const std::string& Input, std::string& Output, int32_t /*Reserved*/,
                      int32_t TimeOut, bool XmlError, bool Flag) {
  CallOptions options;
  options.TimeOut = TimeOut;
  options.XmlError = XmlError;
  options.ById = true;
  options.Flag = Flag;
  return CallServiceCore(std::to_string(FuncNo), Input, Output, options);
}

int32_t CallServiceId(int32_t FuncNo, const std::string& Input, std::string& Output, int32_t TimeOut,
                      bool XmlError, bool Flag) {
  CallOptions options;
  options.RawReplyOnError = 1;
  options.TimeOut = TimeOut;
  options.XmlError = XmlError;
  options.ById = true;
  options.Flag = Flag;
  return CallServiceCore(std::to_string(FuncNo), Input, Output, options);
}

int32_t CallService(const std::string& Svc, const std::string& Input, std::string& Output, bool ConnectPerType,
                    int32_t ReplySize, int32_t RawReplyOnError, int32_t TimeOut, bool Flag) {
  CallOptions options;
  options.ConnectPerType = ConnectPerType;
  options.ReplySize = ReplySize;
  options.RawReplyOnError = RawReplyOnError;
  options.TimeOut = TimeOut;
  options.Flag = Flag;
  return RunStringCall(Svc, Input, Output, options, CallStyle::Plain);
}

int32_t CallService2Ex(std::string Svc, const std::string& Input, std::string& Output, int32_t TimeOut, bool Flag) {
  if (Svc.empty()) {
    Output = "服务名不能为空";
    return kCallLocalFailure;
  }
  TransMultRisk(Svc);
  bool reconnected = false;
  struct EndOwnConnection {
    bool& reconnected;
    ~EndOwnConnection() {
      if (!reconnected) return;
      CSWriteLog("[CallService2Ex]释放自己创建的连接");
      tpterm();
    }
  } end_own_connection{reconnected};
  MiddlewareBuffer request("STRING", static_cast<int32_t>(Input.size() + 1));
  MiddlewareBuffer reply("STRING", 1024);
  if (!request || !reply) {
    Output = AllocationFailureMessage();
    return kCallLocalFailure;
  }
  std::memcpy(request.get(), Input.c_str(), std::strlen(Input.c_str()) + 1);
  const int32_t request_length = static_cast<int32_t>(std::strlen(request.get()) + 1);
  int32_t reply_length = 0;
  auto call = [&] {
    CSWriteLog("[CallService2Ex]开始调用服务[" + Svc + "]");
    int32_t status =
        tpcall(Svc.c_str(), request.get(), request_length, reply.address(), &reply_length, 0, TimeOut, Flag);
    CSWriteLog("[CallService2Ex]调用服务结束[" + std::to_string(status) + "]");
    return status;
  };
  auto failure = [&](int32_t error, const char* log_prefix) {
    const std::string prefix = "调用服务(tpcall:" + Svc + ")!\r\n";
    Output = error == 0 ? prefix + "返回信息:" + reply.Text() : prefix + ConvertTpErrMsg(error);
    CSWriteLog(log_prefix + Output);
    return TimedOutOrAborted(error) ? kCallTimeout : kCallLocalFailure;
  };

  int32_t status = call();
  if (status < 0) {
    int32_t error = gettperrno();
    if (!ConnectionLost(error)) return failure(error, "[CallService2Ex]调用失败:");
    CSWriteLog("[CallService2Ex]服务[" + Svc + "]调用失败" + std::to_string(error) + ",需要重连");
    if (TuxedoInit(Output) < 0) {
      CSWriteLog("[CallService2Ex]重连失败:" + Output);
      return kCallLocalFailure;
    }
    reconnected = true;
    status = call();
    if (status < 0) return failure(gettperrno(), "[CallService2Ex]重连之后再次调用失败:");
  }

  const std::string text = reply.Text();
  TQxPack pack;
  pack.ParseData(text);
  pack.First();
  const int32_t code_index = pack.getFieldIndex("ErrCode");
  const int32_t message_index = pack.getFieldIndex("ErrMsg");
  if (code_index < 0 || message_index < 0) {
    Output = MissingConventionMessage(Svc, pack.GetPackData());
    return kCallLocalFailure;
  }
  int32_t code = 0;
  std::string message;
  pack.GetValue(code_index, code);
  pack.GetValue(message_index, message);
  if (code != 0) {
    Output = CodeAndText(code, message);
    return kCallServiceFailed;
  }
  const int32_t warn_code_index = pack.getFieldIndex("WarnCode");
  const int32_t warn_message_index = pack.getFieldIndex("WarnMessage");
  if (warn_code_index >= 0 && warn_message_index >= 0) {
    int32_t warn_code = 0;
    std::string warn_message;
    pack.GetValue(warn_code_index, warn_code);
    pack.GetValue(warn_message_index, warn_message);
    Output = CodeAndText(warn_code, warn_message);
    return kCallWarning;
  }
  Output = text;
  return kCallOk;
}

int32_t CallService(std::string Svc, const char* Input, int32_t InputLen, char** Output, int32_t* OutputLen,
                    int32_t TimeOut, bool XmlError, bool Flag) {
  int32_t result = -1;
  *Output = NewOutputBlock(1024);
  auto finish = [&] {
    if (XmlError) WrapBlock(Output, result);
    return result;
  };
  if (Svc.empty()) {
    CopyMessage(*Output, "服务名不能为空!");
    return finish();
  }
  TransMultRisk(Svc);
  MiddlewareBuffer request("CARRAY", InputLen);
  MiddlewareBuffer reply("CARRAY", 1000);
  if (!request || !reply) {
    CopyMessage(*Output, AllocationFailureMessage());
    return finish();
  }
  if (tpcallex == nullptr) {
    CopyMessage(*Output, "客户端不支持tpcallex: 执行目录下没有wtuxws32.dll");
    return finish();
  }
  if (InputLen > 0) std::memcpy(request.get(), Input, static_cast<size_t>(InputLen));
  *OutputLen = 0;
  result = tpcallex(Svc.c_str(), request.get(), InputLen, reply.address(), OutputLen, 0, TimeOut, Flag ? 1 : 0);
  if (result != 0) {
    CopyMessage(*Output, CodeAndText(result, reply.Text()));
  } else {
    if (*OutputLen > 1000) {
      platform::ProcessHeapFree(*Output);
      *Output = NewOutputBlock(static_cast<size_t>(*OutputLen) + 128);
    }
    if (*OutputLen > 0) std::memcpy(*Output, reply.get(), static_cast<size_t>(*OutputLen));
  }
  return finish();
}

void FreeCallServiceOutput(char* output) { platform::ProcessHeapFree(output); }

void SetRouterName(const std::string& RouterName) {
  CSWriteLog("[SetRouterName] 预设置:" + RouterName);
  if (!PrivateClientCopyExists()) return;
  platform::DynamicLibrary client = platform::DynamicLibrary::Loaded(kClientLibraryName);
  if (!client.IsLoaded()) client = platform::DynamicLibrary::LoadFullPath(PrivateClientCopyPath());
  if (!client.IsLoaded()) return;
  client.Keep();
  auto set_router = client.ExportAs<TpSetRouterNameFn>("tpsetroutername");
  if (set_router == nullptr) {
    CSWriteLog("[SetRouterName] wtuxws32.dll中不存在函数tpsetroutername");
    return;
  }
  set_router(RouterName.c_str());
}

int32_t CallServiceRouter(const std::string& Svc, const std::string& Input, std::string& Output, int32_t Reserved,
                          const std::string& RouterName, int32_t TimeOut) {
  int32_t result = -1;
  std::lock_guard guard(gRouterRefreshMemCS);
  try {
    SetRouterName(RouterName);
    result = CallService(Svc, Input, Output, Reserved, TimeOut, false, true);
  } catch (const std::exception& error) {
    CSWriteLog("CallServiceRouter(" + RouterName + ")出错:" + error.what());
  }
  return result;
}

int32_t CallServiceRouter(const std::string& Svc, const std::string& Input, std::string& Output,
                          const std::string& RouterName) {
  return CallServiceRouter(Svc, Input, Output, 1, RouterName, 30000);
}

}  // namespace ruzi
