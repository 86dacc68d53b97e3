// Entry point of ruzirareva.dll: runs the units' start steps on attach and their end steps on
// detach. Nothing here waits for a thread; background threads stop in the shutdown export.
#include <windows.h>

#include "library/start_error_record.h"
#include "library/unit_registry.h"

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID reserved) {
  switch (reason) {
    case DLL_PROCESS_ATTACH:
      DisableThreadLibraryCalls(instance);
      if (!ruzi::UnitRegistry::Instance().StartAll()) {
        ruzi::RecordStartError(ruzi::UnitRegistry::Instance().LastStartError());
        return FALSE;
      }
      return TRUE;
    case DLL_PROCESS_DETACH:
      // reserved != NULL: the process is exiting and its other threads are already gone.
      ruzi::UnitRegistry::Instance().EndAll(reserved != nullptr);
      return TRUE;
    default:
      return TRUE;
  }
}
