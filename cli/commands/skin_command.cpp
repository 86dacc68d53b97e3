// The skin as the library sees it: which face library, the colour table, one query, a face
// library against the manifest, one image out to a file.
#include <cstdio>

#include "command.h"
#include "platform/environment.h"
#include "platform/file_system.h"
#include "skin/face_manager.h"
#include "skin/skin_check.h"
#include "skin/skin_colour_table.h"
#include "skin/skin_res_manager.h"

namespace ruzi::cli {
namespace {

std::string Hex(uint32_t value) {
  char text[16];
  std::snprintf(text, sizeof text, "$%08X", value);
  return text;
}

// Each step of the name's resolution.
int Which(CommandContext& context) {
  context.ExpectCount(1, 1);
  const auto value = platform::FindEnvironment("FaceDllName");
  context.PrintLine("FaceDllName: " + (value ? "\"" + *value + "\"" : std::string("(not set)")));
  if (value && value->find("-1") != std::string::npos) context.PrintLine("last user: \"" + GetLastLoginUser() + "\"");
  context.PrintLine("face library: \"" + GetFaceDllName() + "\"");
  context.PrintLine("FaceDllName now: \"" + platform::GetEnvironment("FaceDllName") + "\"");
  return 0;
}

int Colours(CommandContext& context) {
  context.ExpectCount(1, 1);
  const std::vector<SkinTableEntry> initial = SkinTableEntries();
  LoadSkinColourTable();
  const std::vector<SkinTableEntry> loaded = SkinTableEntries();
  context.PrintLine("family\telement\tattribute\tinitial\tloaded");
  for (size_t i = 0; i < loaded.size(); ++i) {
    const auto text = [&](const SkinTableEntry& entry) {
      return entry.flag ? std::string(entry.value ? "true" : "false") : Hex(entry.value);
    };
    context.PrintLine(loaded[i].family + "\t" + loaded[i].element + "\t\"" + loaded[i].attribute + "\"\t" +
                      text(initial[i]) + "\t" + text(loaded[i]));
  }
  return 0;
}

// get root ATTRIBUTE | get public NAME | get child|parent ELEMENT ATTRIBUTE [--as colour|flag|integer]
int Get(CommandContext& context) {
  const std::string as = context.TakeOption("as", "text");
  const std::string& family = context.Arg(1);
  if (family == "root" || family == "public") {
    context.ExpectCount(3, 3);
    context.PrintLine(family == "root" ? GetSkinRootAttributeValue(context.Arg(2)) : Hex(GetSkinPublicColor(context.Arg(2))));
    return 0;
  }
  if (family != "child" && family != "parent") throw UsageError("family must be root, public, child or parent");
  context.ExpectCount(4, 4);
  const std::string& element = context.Arg(2);
  const std::string& attribute = context.Arg(3);
  const bool child = family == "child";
  if (as == "text") {
    context.PrintLine(child ? GetSkinChildAttributeValue(element, attribute) : GetSkinParentAttributeValue(element, attribute));
  } else if (as == "colour") {
    context.PrintLine(Hex(child ? GetSkinChildAttributeValueAsTColor(element, attribute)
                                : GetSkinParentAttributeValueAsTColor(element, attribute)));
  } else if (as == "flag") {
    const bool flag = child ? GetSkinChildAttributeValueAsBool(element, attribute)
                            : GetSkinParentAttributeValueAsBool(element, attribute);
    context.PrintLine(flag ? "true" : "false");
  } else if (as == "integer") {
    context.PrintLine(std::to_string(child ? GetSkinChildAttributeValueAsInteger(element, attribute)
                                           : GetSkinParentAttributeValueAsInteger(element, attribute)));
  } else {
    throw UsageError("--as takes text, colour, flag or integer");
  }
  return 0;
}

int Check(CommandContext& context) {
  context.ExpectCount(2, 2);
  const std::vector<std::string> missing = CheckFaceLibrary(context.Arg(1));
  for (const std::string& line : missing) context.PrintLine("missing\t" + line);
  context.PrintLine(missing.empty() ? "complete: " + std::to_string(SkinManifestLines().size()) + " entries"
                                    : std::to_string(missing.size()) + " entries missing");
  return missing.empty() ? 0 : 1;
}

int Export(CommandContext& context) {
  context.ExpectCount(3, 3);
  const FaceImage* image = Skinresmanager::LoadSkinPng(context.Arg(1));
  if (image == nullptr) throw std::runtime_error("no image " + context.Arg(1));
  if (!platform::SystemFileSystem().WriteWholeFile(
          context.Arg(2), std::string(reinterpret_cast<const char*>(image->png), image->png_size))) {
    throw std::runtime_error("cannot write " + context.Arg(2));
  }
  context.PrintLine(context.Arg(2) + ": " + std::to_string(image->width) + "x" + std::to_string(image->height) + ", " +
                    std::to_string(image->png_size) + " bytes");
  return 0;
}

int RunSkin(CommandContext& context) {
  context.ExpectCount(1, 6);
  const std::string& action = context.Arg(0);
  if (action == "which") return Which(context);
  if (action == "colors") return Colours(context);
  if (action == "get") return Get(context);
  if (action == "check") return Check(context);
  if (action == "export") return Export(context);
  throw UsageError("unknown action: " + action);
}

const CommandRegistration kRegistration{
    {"skin", "the face library: which one, its colour table, one query, a check against the manifest, an image out",
     "skin which | skin colors | skin get root|public NAME | skin get child|parent ELEMENT ATTRIBUTE "
     "[--as text|colour|flag|integer] | skin check FACE.DLL | skin export IMAGE FILE",
     RunSkin}};

}  // namespace
}  // namespace ruzi::cli
