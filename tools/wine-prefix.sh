#!/bin/bash
# Prepares a Wine prefix for the tests: created on first use, then the settings the windows
# need under Xvfb without a window manager. Idempotent; run inside the test run's display.
set -euo pipefail
prefix=$1
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=zh_CN.UTF-8
mkdir -p "$prefix"
wineboot -i >/dev/null 2>&1 || true
# Without a window manager every DestroyWindow waits 2 s unless windows are unmanaged;
# Decorated=N keeps the caption drawn by Wine. A crash must not wait on a dialog.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Decorated /t REG_SZ /d N /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
