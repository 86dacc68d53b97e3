#pragma once
// The binding to pubfunmodel.dll, the client's shared log: the module already in the process,
// else loaded by name, once per process and kept. The library's shutdown has the module drain
// its log ("PubFunShutdown") when the binding was made.
namespace ruzi {

using PubFunWriteLog = void (*)(const char* text, const char* sub_name, int level);
using PubFunWriteLogNew = void (*)(const char* text, const char* sub_name, int level, int log_type);

// The module's handle; raises "pubfunmodel.dll不存在" when it cannot be loaded.
void* PubFunModule();
// "qxwritelog", looked up once and kept; raises "qxwritelog函数不存在." when missing.
PubFunWriteLog PubFunWriteLogEntry();
// "qxwritelogNew"; nullptr when the module lacks it.
PubFunWriteLogNew PubFunWriteLogNewEntry();

}  // namespace ruzi
