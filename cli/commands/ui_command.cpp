// The form and control classes: which exist, and what each publishes.
#include <string>

#include <memory>

#include "command.h"
#include "foundation/class_registry.h"
#include "gallery_show.h"
#include "foundation/property_access.h"
#include "text_table.h"
#include "ui/gallery.h"
#include "ui/ui_classes.h"
#include "ui/zoom_form.h"

namespace ruzi::cli {
namespace {

std::string Ancestry(const TClassRecord* record) {
  std::string line;
  for (record = record->Parent; record != nullptr; record = record->Parent) {
    if (!line.empty()) line += " < ";
    line += record->Name;
  }
  return line;
}

std::string KindName(TTypeKind kind) {
  static const char* const kNames[] = {"integer", "enumeration", "float", "string", "method", "set", "class"};
  return kNames[static_cast<int>(kind)];
}

std::string ValueNames(const TPropertyInfo& info) {
  std::string names;
  for (size_t index = 0; index < info.ValueCount; ++index) {
    if (index > 0) names += ' ';
    names += info.ValueNames[index];
  }
  return names;
}

// One form with every registered class on it, zoomed and photographed on request.
int RunGallery(CommandContext& context) {
  const std::string rate_text = context.TakeOption("rate");
  const std::string shot = context.TakeOption("shot");
  context.ExpectCount(1, 1);
  const double rate = rate_text.empty() ? 0 : IntegerArgument(rate_text, "rate");
  if (!rate_text.empty() && rate <= 0) throw UsageError("rate must be a positive percentage");
  std::vector<std::string> failures;
  std::unique_ptr<TAutoZoomForm> form(CreateGalleryForm(&failures));
  context.PrintLine(std::to_string(RegisteredClasses().size()) + " classes");
  for (const std::string& failure : failures) context.PrintLine("not made: " + failure);
  ShowGallery(*form, rate, shot, context);
  return failures.empty() ? 0 : 1;
}

int RunUi(CommandContext& context) {
  if (context.Count() > 0 && context.Arg(0) == "gallery") return RunGallery(context);
  context.ExpectCount(1, 2);
  RegisterUiClasses();
  const std::string& action = context.Arg(0);
  if (action == "classes") {
    context.ExpectCount(1, 1);
    TextTable table({"class", "derives from"});
    for (const TClassRecord* record : RegisteredClasses()) table.AddRow({record->Name, Ancestry(record)});
    table.Print(context);
    return 0;
  }
  if (action == "props") {
    context.ExpectCount(2, 2);
    const TClassRecord* record = FindClass(context.Arg(1));
    TextTable table({"property", "kind", "values"});
    for (const TPropertyInfo* info : GetPropList(record)) table.AddRow({info->Name, KindName(info->Kind), ValueNames(*info)});
    for (const TEventInfo* info : GetEventList(record)) table.AddRow({info->Name, "event", ""});
    table.Print(context);
    return 0;
  }
  throw UsageError("unknown action: " + action);
}

const CommandRegistration kRegistration{
    {"ui", "list the form and control classes, what one publishes, or show them all", "ui classes | ui props CLASS | ui gallery [--rate N] [--shot FILE]", RunUi}};

}  // namespace
}  // namespace ruzi::cli
