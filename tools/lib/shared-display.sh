# shellcheck shell=bash
# Sourced (bash) by tools/wine. One Wine prefix has one desktop on one display, so programs started
# without a DISPLAY share one Xvfb per prefix; the last one out stops it and the prefix's wineserver.
#
#   tolv_join_display   With the prefix's lock held (fd in lock_fd): uses the prefix's Xvfb if it is
#                       still up, else starts one; exports DISPLAY and holds a shared lock on
#                       $WINEPREFIX.users (fd in users_fd) while the program runs. Non-zero when no
#                       Xvfb could be started.
#   tolv_leave_display  For the EXIT trap: drops the shared lock; if no other program holds one, stops
#                       the prefix's Wine processes and its Xvfb.
# Needs display.sh (start_display, _tolv_alive, _tolv_stop_pid).

tolv_join_display() {
  local pid='' n='' state=$WINEPREFIX.xvfb
  if [ -r "$state" ]; then read -r pid n <"$state" || true; fi
  if [ -n "$pid" ] && _tolv_alive "$pid" && grep -qa '^Xvfb' "/proc/$pid/cmdline" 2>/dev/null \
      && [ -S "/tmp/.X11-unix/X$n" ]; then
    export DISPLAY=":$n"
  else
    start_display || return 1
    echo "$TOLV_XVFB_PID ${DISPLAY#:}" >"$state"
  fi
  exec {users_fd}>>"$WINEPREFIX.users"
  flock -s "$users_fd"
}

# shellcheck disable=SC2317  # runs from the EXIT trap
tolv_leave_display() {
  local last_fd pid='' n='' state=$WINEPREFIX.xvfb
  exec {lock_fd}>>"$WINEPREFIX.lock"
  flock -w 60 "$lock_fd" || true
  exec {users_fd}>&-
  exec {last_fd}>>"$WINEPREFIX.users"
  if flock -n -x "$last_fd"; then
    wineserver -k </dev/null >/dev/null 2>&1 || true
    timeout 10 wineserver -w </dev/null >/dev/null 2>&1 || true
    if [ -r "$state" ]; then read -r pid n <"$state" || true; fi
    if [ -n "$pid" ] && grep -qa '^Xvfb' "/proc/$pid/cmdline" 2>/dev/null; then
      _tolv_stop_pid "$pid"
    fi
    rm -f "$state"
  fi
  exec {last_fd}>&- {lock_fd}>&-
}
