#!/bin/bash
# Installs what a fresh Debian 12 machine lacks for building, testing and the demo.
# Idempotent: safe to run before every build.
set -euo pipefail

packages=(
  cmake ninja-build ccache g++ make pkg-config
  clang-14 libclang-rt-14-dev                 # fuzz preset (libFuzzer)
  g++-mingw-w64-x86-64-posix mingw-w64-tools  # windows preset
  wine wine64 xvfb xauth                      # running the Windows build headless
  fonts-wine fonts-wqy-microhei               # Chinese glyphs in windows
  locales
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libstb-dev libsqlite3-dev sqlite3
  liblz4-dev                                  # ruzi-mwd keeps long audit requests compressed
  unixodbc unixodbc-dev libsqliteodbc        # ODBC: the ADO query kind (SQLite3 driver)
  libssl-dev libspdlog-dev                    # references for tests and benchmarks only
  libquantlib0-dev                            # the calendar benchmark's reference only
  qtbase5-dev                                 # the data tree benchmark's reference only
  valgrind
)

as_root() { if [ "$(id -u)" = 0 ]; then "$@"; else sudo "$@"; fi; }

missing=()
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
done
as_root apt-get update -qq
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
fi

# Code page 936 under Wine comes from the host locale.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN\.utf-\?8$'; then
  as_root localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
echo "setup: ready"
