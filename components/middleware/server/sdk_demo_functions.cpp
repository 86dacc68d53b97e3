// Function-number demo over SDK packets: the server reads the request packet and writes its
// answer with the same codec as ztsdk.dll, so a client sees its rows come back through a real
// decode and encode, in the version it sent. A request that is not a packet fails with the
// reader's message.
#include "error_numbers.h"
#include "foundation/error.h"
#include "packets/sdk_packet/sdk_packet_copy.h"
#include "packets/sdk_packet/sdk_packet_reader.h"
#include "packets/sdk_packet/sdk_packet_writer.h"
#include "services.h"

namespace ruzi::mwd {
namespace {

constexpr int32_t kEchoRowsFunction = 9101;

// The answer's return code is the row count, so a client can tell it was decoded.
ServiceResult EchoRows(ServiceCall& call) {
  sdk::PacketReader request;
  try {
    request.Open(call.request.data.data(), call.request.data.size());
  } catch (const Error& error) {
    return ServiceResult::Failure(mw::kMwServiceFail, "功能号9101处理失败: " + std::string(error.what()));
  }
  sdk::PacketWriter answer(request.Version());
  answer.Start();
  sdk::CopyPacket(request, answer);
  answer.SetReturnCode(static_cast<int32_t>(request.RowCount()));
  return ServiceResult::Reply(std::string(answer.Data(), answer.Size()), "功能号9101处理成功");
}

}  // namespace

void RegisterSdkDemoFunctions(ServiceRegistry& registry) { registry.AddFunction(kEchoRowsFunction, EchoRows); }

}  // namespace ruzi::mwd
