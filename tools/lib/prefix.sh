# shellcheck shell=bash
# Sourced (bash). The project's Wine prefix: where it is, and making it ready for the dialog.
#
#   tolv_wineprefix      Prints the prefix: $TOLV_WINEPREFIX, else <repo>/build/wineprefix (wineprefix64 for a
#                        64-bit Wine, see arch.sh).
#   tolv_prepare_prefix  With WINEPREFIX exported and the prefix's lock held: creates the prefix if it is not ready
#                        (about 10 s, without a display) and puts the dialog's fonts in it. Returns non-zero, with
#                        Wine's output on stderr, when the creation fails.

_tolv_prefix_repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
# shellcheck source=arch.sh
. "$_tolv_prefix_repo/tools/lib/arch.sh"

tolv_wineprefix() {
  local suffix=''
  [ "$(tolv_arch)" = win32 ] || suffix=64
  printf '%s\n' "${TOLV_WINEPREFIX:-$_tolv_prefix_repo/build/wineprefix$suffix}"
}

_tolv_create_prefix() {
  local log link arch wine
  arch=$(tolv_arch)
  wine=$(tolv_wine)
  log=$(mktemp)
  echo "tools/wine: creating Wine prefix $WINEPREFIX" >&2
  rm -rf "$WINEPREFIX"
  # Without a display, so no window appears during creation. The registry takes effect only
  # after the wineserver restarts, hence the kill at the end.
  if ! ( _tolv_close_fds
         unset DISPLAY
         export WINEARCH=$arch
         "$wine" wineboot -i
         "$wine" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
         "$wine" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
         # A crash dialog would wait for a click that never comes.
         "$wine" reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
         wineserver -k || true
         timeout 30 wineserver -w ) </dev/null >"$log" 2>&1; then
    cat "$log" >&2
    rm -f "$log"
    return 1
  fi
  rm -f "$log"
  # Wine links the profile folders to the Unix home; a program under test must not write there.
  for link in "$WINEPREFIX"/drive_c/users/*/*; do
    if [ -L "$link" ]; then rm -f "$link" && mkdir -p "$link"; fi
  done
  touch "$WINEPREFIX/.tolv-ready"
}

# Debian's Wine does not look in fonts-wine's folder; without Tahoma and Marlett the dialog and
# its title bar buttons are drawn in stand-ins.
_tolv_install_fonts() {
  local fonts=$WINEPREFIX/drive_c/windows/Fonts
  [ -e "$fonts/tahoma.ttf" ] && return 0
  mkdir -p "$fonts"
  cp -n /usr/share/wine/fonts/*.ttf "$fonts/" 2>/dev/null || true
}

tolv_prepare_prefix() {
  if [ ! -e "$WINEPREFIX/.tolv-ready" ]; then _tolv_create_prefix || return 1; fi
  _tolv_install_fonts
}
