// Facemanager: the face library's name, its binding, and the fourteen queries through it.
#include "ruzirareva/skin/face_manager.h"

#include "foundation/xml_reader.h"
#include "library/unit_registry.h"
#include "platform/ascii_case.h"
#include "platform/dynamic_library.h"
#include "platform/environment.h"
#include "platform/file_delete.h"
#include "platform/file_system.h"
#include "platform/ini_file.h"
#include "platform/paths.h"
#include "ruzirareva/foundation/error.h"
#include "ruzirareva/foundation/trim.h"

namespace ruzi {

std::string gEnvironmentVariable;
std::string FACEDLL;

FaceStringQuery2 _GetSkinChildAttributeValue_init = nullptr;
FaceColourQuery2 _GetSkinChildAttributeValueAsTColor_init = nullptr;
FaceFlagQuery2 _GetSkinChildAttributeValueAsBool_init = nullptr;
FaceIntegerQuery2 _GetSkinChildAttributeValueAsInteger_init = nullptr;
FaceColourQuery1 _GetSkinChildFontColor_init = nullptr;
FaceStringQuery1 _GetSkinChildFontName_init = nullptr;
FaceIntegerQuery1 _GetSkinChildFontSize_init = nullptr;
FaceColourQuery2 _GetSkinChildBgColor_init = nullptr;
FaceStringQuery1 _GetSkinRootAttributeValue_init = nullptr;
FaceStringQuery2 _GetSkinParentAttributeValue_init = nullptr;
FaceColourQuery2 _GetSkinParentAttributeValueAsTColor_init = nullptr;
FaceFlagQuery2 _GetSkinParentAttributeValueAsBool_init = nullptr;
FaceIntegerQuery2 _GetSkinParentAttributeValueAsInteger_init = nullptr;
FaceColourQuery1 _GetSkinPublicColor_init = nullptr;

namespace {

// The face library's module; never unloaded by this unit.
void* face_module = nullptr;

std::string AsciiLower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string ProgramBaseName() {
  const std::string path = platform::ExecutablePath();
  std::string name = path.substr(platform::DirectoryOf(path).size());
  const size_t dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

// The user of the history document, "" when it names none.
std::string LastUserOf(const std::string& text) {
  const XmlElement root = ParseXmlDocument(text);
  const XmlElement* history = root.Child("history");
  const XmlElement* userid = history ? history->Child("userid") : nullptr;
  const std::string* user = userid ? userid->Attribute("lastuser") : nullptr;
  return user ? *user : std::string();
}

template <typename Fn>
void Bind(const platform::DynamicLibrary& library, const char* name, Fn& entry) {
  entry = library.ExportAs<Fn>(name);
}

void EnsureBound() {
  if (face_module == nullptr) InitFaceManager();
}

// A query through its bound entry, the library bound first; 0 (false) while unbound. The
// entry is read after binding, hence by reference.
template <typename Entry, typename... Args>
auto Ask(const Entry& entry, Args... args) -> decltype(entry(args...)) {
  EnsureBound();
  return entry ? entry(args...) : decltype(entry(args...)){};
}

// A string answer of any length: asked with a buffer that fits most, again when it did not.
template <typename Entry, typename... Args>
std::string Text(const Entry& entry, Args... args) {
  EnsureBound();
  if (!entry) return {};
  std::string text(256, '\0');
  int32_t length = entry(args..., text.data(), static_cast<int32_t>(text.size()));
  if (length >= static_cast<int32_t>(text.size())) {
    text.assign(static_cast<size_t>(length) + 1, '\0');
    length = entry(args..., text.data(), static_cast<int32_t>(text.size()));
  }
  text.resize(length > 0 ? std::min<size_t>(static_cast<size_t>(length), text.size() - 1) : 0);
  return text;
}

void EndFaceManager() {
  gEnvironmentVariable.clear();
  FACEDLL.clear();
}

const UnitRegistration kUnit{{"face manager", nullptr, nullptr, EndFaceManager}};

}  // namespace

std::string GetLastLoginUser() {
  const std::string config = platform::ExecutableDirectory() + "config\\" + ProgramBaseName();
  const std::string copy = config + ".bak.xml";
  platform::FileSystem& files = platform::SystemFileSystem();
  if (files.FileExists(copy)) platform::DeleteFileAt(copy);
  // Only the copy is read, so a client writing the history meanwhile is never disturbed.
  if (const auto original = files.ReadWholeFile(config + ".xml")) files.WriteWholeFile(copy, *original);
  if (!files.FileExists(copy)) return {};
  std::string user;
  try {
    const auto text = files.ReadWholeFile(copy);
    if (!text) throw Error("cannot read " + copy);
    user = LastUserOf(*text);
  } catch (const std::exception& error) {
    platform::DeleteFileAt(copy);
    throw Error(std::string("GetLastLoginUser:") + error.what());
  }
  platform::DeleteFileAt(copy);
  return user;
}

std::string GetFaceDllName() {
  const std::string value = platform::GetEnvironment("FaceDllName");
  if (Trim(value) != "-1") return value;
  std::string name;
  try {
    const std::string user = GetLastLoginUser();
    if (!user.empty()) {
      const std::string program = platform::ExecutablePath();
      const std::string ini = program.substr(0, program.size() >= 4 ? program.size() - 4 : 0) + ".ini";
      name = Trim(platform::ReadIniString(ini, "skintype", user + "skintype", ""));
    }
    if (name.empty()) name = "face.dll";
  } catch (const std::exception& error) {
    throw Error("GetFaceDllName获取皮肤类型" + name + "失败!" + error.what());
  }
  platform::SetEnvironment("FaceDllName", AsciiLower(name));
  return name;
}

void InitFaceManager() {
  if (gEnvironmentVariable == "1") return;
  gEnvironmentVariable = "1";
  FACEDLL = GetFaceDllName();
  // An empty name would load nothing useful (and on Windows names the calling module).
  if (Trim(FACEDLL).empty()) return;
  platform::DynamicLibrary library = platform::DynamicLibrary::LoadedOrLoad(FACEDLL);
  if (!library.IsLoaded()) return;
  library.Keep();
  face_module = library.Handle();
  Bind(library, "GetSkinChildAttributeValue", _GetSkinChildAttributeValue_init);
  Bind(library, "GetSkinChildAttributeValueAsTColor", _GetSkinChildAttributeValueAsTColor_init);
  Bind(library, "GetSkinChildAttributeValueAsBool", _GetSkinChildAttributeValueAsBool_init);
  Bind(library, "GetSkinChildAttributeValueAsInteger", _GetSkinChildAttributeValueAsInteger_init);
  Bind(library, "GetSkinChildFontColor", _GetSkinChildFontColor_init);
  Bind(library, "GetSkinChildFontName", _GetSkinChildFontName_init);
  Bind(library, "GetSkinChildFontSize", _GetSkinChildFontSize_init);
  Bind(library, "GetSkinChildBgColor", _GetSkinChildBgColor_init);
  Bind(library, "GetSkinRootAttributeValue", _GetSkinRootAttributeValue_init);
  Bind(library, "GetSkinParentAttributeValue", _GetSkinParentAttributeValue_init);
  Bind(library, "GetSkinParentAttributeValueAsTColor", _GetSkinParentAttributeValueAsTColor_init);
  Bind(library, "GetSkinParentAttributeValueAsBool", _GetSkinParentAttributeValueAsBool_init);
  Bind(library, "GetSkinParentAttributeValueAsInteger", _GetSkinParentAttributeValueAsInteger_init);
  Bind(library, "GetSkinPublicColor", _GetSkinPublicColor_init);
}

std::string GetSkinChildAttributeValue(const std::string& element, const std::string& attribute) {
  return Text(_GetSkinChildAttributeValue_init, element.c_str(), attribute.c_str());
}

uint32_t GetSkinChildAttributeValueAsTColor(const std::string& element, const std::string& attribute) {
  return Ask(_GetSkinChildAttributeValueAsTColor_init, element.c_str(), attribute.c_str());
}

bool GetSkinChildAttributeValueAsBool(const std::string& element, const std::string& attribute) {
  return Ask(_GetSkinChildAttributeValueAsBool_init, element.c_str(), attribute.c_str()) != 0;
}

int32_t GetSkinChildAttributeValueAsInteger(const std::string& element, const std::string& attribute) {
  return Ask(_GetSkinChildAttributeValueAsInteger_init, element.c_str(), attribute.c_str());
}

uint32_t GetSkinChildFontColor(const std::string& element) { return Ask(_GetSkinChildFontColor_init, element.c_str()); }

std::string GetSkinChildFontName(const std::string& element) { return Text(_GetSkinChildFontName_init, element.c_str()); }

int32_t GetSkinChildFontSize(const std::string& element) { return Ask(_GetSkinChildFontSize_init, element.c_str()); }

uint32_t GetSkinChildBgColor(const std::string& element, const std::string& attribute) {
  return Ask(_GetSkinChildBgColor_init, element.c_str(), attribute.c_str());
}

std::string GetSkinRootAttributeValue(const std::string& attribute) {
  return Text(_GetSkinRootAttributeValue_init, attribute.c_str());
}

std::string GetSkinParentAttributeValue(const std::string& element, const std::string& attribute) {
  return Text(_GetSkinParentAttributeValue_init, element.c_str(), attribute.c_str());
}

uint32_t GetSkinParentAttributeValueAsTColor(const std::string& element, const std::string& attribute) {
  return Ask(_GetSkinParentAttributeValueAsTColor_init, element.c_str(), attribute.c_str());
}

bool GetSkinParentAttributeValueAsBool(const std::string& element, const std::string& attribute) {
  return Ask(_GetSkinParentAttributeValueAsBool_init, element.c_str(), attribute.c_str()) != 0;
}

int32_t GetSkinParentAttributeValueAsInteger(const std::string& element, const std::string& attribute) {
  return Ask(_GetSkinParentAttributeValueAsInteger_init, element.c_str(), attribute.c_str());
}

uint32_t GetSkinPublicColor(const std::string& name) { return Ask(_GetSkinPublicColor_init, name.c_str()); }

}  // namespace ruzi
