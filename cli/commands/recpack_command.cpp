// Record packs (the qxPack text) as a table.
#include "command.h"
#include "input_text.h"
#include "packets/record_pack_text.h"
#include "text_table.h"

namespace ruzi::cli {
namespace {

int RunRecpack(CommandContext& context) {
  context.ExpectCount(2, 2);
  if (context.Arg(0) != "dump") throw UsageError("unknown action: " + context.Arg(0));
  const std::string text = ReadInputText(context.Arg(1));
  RecordPackTextError error;
  auto table = ParseRecordPackText(text, &error);
  if (!table) throw std::runtime_error("not a record pack: line " + std::to_string(error.line) + ": " + error.reason);
  TextTable output(table->fields);
  for (const auto& row : table->rows) output.AddRow(row);
  output.Print(context);
  context.PrintLine(std::to_string(table->rows.size()) + " rows");
  return 0;
}

const CommandRegistration kRegistration{
    {"recpack", "show a record pack (qxPack text) as a table", "recpack dump <file|->", RunRecpack}};

}  // namespace
}  // namespace ruzi::cli
