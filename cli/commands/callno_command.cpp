// A function-number call with an SDK packet, as a business module makes one: one row of
// string fields from field=value arguments, the reply's rows printed as a table. Needs
// ztsdk.dll and the private wtuxws32.dll beside the tool (a Windows command).
#include <stdexcept>
#include <string>

#include "command.h"
#include "library_session.h"
#include "service/call_service_id_packet.h"
#include "service/sdk_packer_calls.h"
#include "service/tuxedo_connection.h"
#include "service/tuxedo_entries.h"
#include "text_table.h"

namespace ruzi::cli {
namespace {

int32_t NumberArgument(const std::string& text, const char* what) {
  try {
    size_t used = 0;
    const int value = std::stoi(text, &used);
    if (used == text.size()) return value;
  } catch (const std::exception&) {
  }
  throw UsageError(std::string(what) + " must be a number: " + text);
}

// Every field as a string of up to 255 bytes, in one row.
IF2Packer* RequestPacket(const CommandContext& context, int32_t version) {
  IF2Packer* packer = GetPacker(version);
  if (packer == nullptr) throw std::runtime_error("ztsdk.dll made no packer of version " + std::to_string(version));
  std::vector<std::string> values;
  for (size_t i = 1; i < context.Count(); ++i) {
    const std::string& pair = context.Arg(i);
    const size_t equals = pair.find('=');
    if (equals == std::string::npos || equals == 0) {
      FreePacker(packer);
      throw UsageError("fields are written field=value: " + pair);
    }
    packer->DefineField(pair.substr(0, equals).c_str(), 'S', 255, 0);
    values.push_back(pair.substr(equals + 1));
  }
  for (const std::string& value : values) packer->PutStr(value.c_str());
  packer->FinishPack();
  return packer;
}

void PrintRows(const CommandContext& context, IF2UnPacker& reader) {
  context.PrintLine("reply: version " + std::to_string(reader.Version()) + ", return code " +
                    std::to_string(reader.ReturnCode()) + ", " + std::to_string(reader.RowCount()) + " rows");
  std::vector<std::string> header;
  for (int32_t column = 0; column < reader.FieldCount(); ++column) header.emplace_back(reader.FieldName(column));
  TextTable table(header);
  for (reader.GoFirst(); reader.IsEof() == 0; reader.NextRow()) {
    std::vector<std::string> cells;
    for (int32_t column = 0; column < reader.FieldCount(); ++column) cells.emplace_back(reader.StrAt(column));
    table.AddRow(std::move(cells));
  }
  table.Print(context);
}

int RunCallNo(CommandContext& context) {
  const int32_t version = NumberArgument(context.TakeOption("version", "2"), "--version");
  const bool xml_error = context.TakeFlag("xml-error");
  const int32_t timeout = NumberArgument(context.TakeOption("timeout", "30000"), "--timeout");
  if (context.Count() < 1) throw UsageError("callno needs a function number");
  const int32_t func_no = NumberArgument(context.Arg(0), "the function number");
  LibrarySession library;

  std::string message;
  if (TuxedoInit(message) != 0) throw std::runtime_error(message);
  IF2Packer* packer = RequestPacket(context, version);
  IF2UnPacker* reader = nullptr;
  const int32_t result = CallServiceId(func_no, packer, reader, message, timeout, xml_error, true);
  context.PrintLine("result: " + std::to_string(result));
  context.PrintLine(message);
  if (reader != nullptr) PrintRows(context, *reader);
  FreeUnPacker(reader);
  FreePacker(packer);
  tpterm();
  return result < 0 ? 1 : 0;
}

const CommandRegistration kRegistration{
    {"callno", "call a back-end function by number with an SDK packet and print the reply rows",
     "callno <funcno> [field=value...] [--version 1|2] [--timeout ms] [--xml-error]", RunCallNo}};

}  // namespace
}  // namespace ruzi::cli
