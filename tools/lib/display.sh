# shellcheck shell=bash
# Sourced (bash). A private X display for Wine runs.
#
#   start_display  When DISPLAY is empty: starts Xvfb (1024x768x24) on a free display, exports
#                  DISPLAY and sets TOLV_XVFB_PID. When DISPLAY is set: does nothing.
#   stop_display   Stops the Wine processes of the project's prefix, then the Xvfb that
#                  start_display started, and unsets DISPLAY. Does nothing if it started none.
#                  Install it as a trap right after start_display: trap stop_display EXIT
# Also brings in prefix.sh (tolv_wineprefix) and arch.sh (tolv_arch).

# shellcheck source=prefix.sh
. "$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)/prefix.sh"

# For use in a subshell before exec: a long-lived child that inherits a lock descriptor holds
# the lock for its whole life, and one that inherits a caller's pipe keeps the reader waiting.
_tolv_close_fds() {
  local fd
  for fd in "/proc/$BASHPID/fd/"*; do
    fd=${fd##*/}
    if [ "$fd" -gt 2 ]; then eval "exec $fd>&-" 2>/dev/null || true; fi
  done
}

# A zombie still answers kill -0; it counts as gone.
_tolv_alive() {
  local stat
  stat=$(cat "/proc/$1/stat" 2>/dev/null) || return 1
  stat=${stat##*) }
  [ "${stat%% *}" != Z ]
}

# Stops a process by PID, escalating to SIGKILL after a bounded wait; reaps it if it is ours.
_tolv_stop_pid() {
  local pid=$1 i
  kill -TERM "$pid" 2>/dev/null || true
  for ((i = 0; i < 100; i++)); do
    _tolv_alive "$pid" || break
    sleep 0.05
  done
  if _tolv_alive "$pid"; then kill -KILL "$pid" 2>/dev/null || true; fi
  wait "$pid" 2>/dev/null || true
}

start_display() {
  [ -z "${DISPLAY:-}" ] || return 0
  local dir pid n='' i
  dir=$(mktemp -d "${TMPDIR:-/tmp}/tolv-xvfb.XXXXXX") || return 1
  # -noreset: a server reset between two Wine programs would refuse the next connection.
  ( _tolv_close_fds
    exec Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
      3>"$dir/display" </dev/null >"$dir/log" 2>&1 ) &
  pid=$!
  for ((i = 0; i < 200; i++)); do
    if IFS= read -r n 2>/dev/null <"$dir/display" && [[ $n =~ ^[0-9]+$ ]]; then break; fi
    n=
    _tolv_alive "$pid" || break
    sleep 0.05
  done
  if [ -z "$n" ]; then
    echo "start_display: Xvfb did not start:" >&2
    cat "$dir/log" >&2 2>/dev/null || true
    _tolv_stop_pid "$pid"
    rm -rf "$dir"
    return 1
  fi
  rm -rf "$dir"
  TOLV_XVFB_PID=$pid
  export DISPLAY=":$n"
}

stop_display() {
  [ -n "${TOLV_XVFB_PID:-}" ] || return 0
  local prefix
  prefix=$(tolv_wineprefix)
  # Wine processes lose their windows with the display; end them first so none is left hanging.
  if [ -d "$prefix" ]; then
    WINEPREFIX=$prefix wineserver -k </dev/null >/dev/null 2>&1 || true
    WINEPREFIX=$prefix timeout 10 wineserver -w </dev/null >/dev/null 2>&1 || true
  fi
  _tolv_stop_pid "$TOLV_XVFB_PID"
  unset TOLV_XVFB_PID DISPLAY
}
