// Tagged texts (<name>value</name>...): list the items, or print one value.
#include <stdexcept>
#include <string>

#include "command.h"
#include "input_text.h"
#include "packets/tagged_package.h"
#include "text_table.h"

namespace ruzi::cli {
namespace {

int RunTags(CommandContext& context) {
  context.ExpectCount(2, 3);
  const std::string& action = context.Arg(0);
  if (action == "dump") {
    context.ExpectCount(2, 2);
    TqxPackage package(ReadInputText(context.Arg(1)));
    TextTable table({"name", "value"});
    for (int32_t i = 0; i < package.Count(); ++i) table.AddRow({package.Item(i).Name, package.Item(i).Value});
    table.Print(context);
    return 0;
  }
  if (action == "get") {
    context.ExpectCount(3, 3);
    TqxPackage package(ReadInputText(context.Arg(2)));
    std::string value;
    if (!package.GetItem(context.Arg(1), value)) throw std::runtime_error("no item named " + context.Arg(1));
    context.PrintLine(value);
    return 0;
  }
  throw UsageError("unknown action: " + action);
}

const CommandRegistration kRegistration{
    {"tags", "list the items of a tagged text, or print one value",
     "tags dump FILE|- | tags get NAME FILE|-", RunTags}};

}  // namespace
}  // namespace ruzi::cli
