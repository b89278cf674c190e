# shellcheck shell=bash
# Sourced (bash). Which Windows this machine's Wine can run the program and the tests as.
#
#   tolv_arch  Prints win32 where 32-bit Wine runs, else win64: some kernels run no 32-bit Linux programs, and so no
#              32-bit Wine. The name is the CMake preset to build and test with.
#   tolv_wine  Prints the Wine loader for that preset.

tolv_arch() {
  if [ -n "${TOLV_ARCH:-}" ]; then
    printf '%s\n' "$TOLV_ARCH"
  elif /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo win32
  else
    echo win64
  fi
}

tolv_wine() {
  if [ "$(tolv_arch)" = win32 ]; then echo wine; else echo /usr/lib/wine/wine64; fi
}
