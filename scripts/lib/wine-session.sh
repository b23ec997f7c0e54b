# A Wine session for running Blinkward and its Windows tests on Linux: an X
# display, a ready Wine prefix under build/wine/, one persistent wineserver and
# Wine's virtual desktop "shell" with a taskbar, so that the notification area
# exists. Source this file, then call wine_session_start.
#
#   wine_session_start NAME   prefix build/wine/NAME-<pid>: a fresh copy of the
#                             template, removed at the end (BW_KEEP_PREFIX=1:
#                             build/wine/NAME, kept and reused)
#   wine_session_stop         ends the programs, the wineserver, our Xvfb and our
#                             sound server
#   bw_end_leftovers DIR...   ends what killed sessions left in DIR (called by
#                             wine_session_start for its own)
#
# Set BW_USE_DISPLAY=1 to use $DISPLAY instead of starting an Xvfb, and
# BW_NO_TRAP=1 to leave the session running when the calling shell exits (the
# caller then stops it, perhaps from another shell with its record).
#
# The session's record (BW_SESSION_RECORD, by default the prefix's path with
# .session) is rewritten as each process starts: a later shell that sources it
# and calls wine_session_stop ends it, each process only while its id still
# has the start time recorded. A session whose shell was killed is ended so
# at the next start, with its prefix copy.
#
# Exported for every wine call after start: WINEPREFIX, DISPLAY, WINEDEBUG,
# WINEDLLOVERRIDES, PULSE_SERVER (the session's sound server, bw_start_pulse),
# and BW_WINE_SESSION (the prefix) for cmake/wine-run.
# Every wine call here runs under `timeout`: a Wine that hangs must not hang
# the caller.

source "$(dirname "${BASH_SOURCE[0]}")/guards.sh"
bw_check_dirs
BW_ROOT=${BW_ROOT:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
BW_WINE_DIR=${BW_WINE_DIR:-$BW_ROOT/build/wine}
BW_SCREEN=${BW_SCREEN:-1024x768}   # the Xvfb screen and the virtual desktop

# State of the running session, read by wine_session_stop: the shell that
# started it and the processes it started (PID:START each, bw_stamp).
BW_XVFB_PID=
BW_SESSION_OWNER=
BW_SESSION_PROCS=
BW_SESSION_RECORD=   # where the record goes: set by the caller before the start, or there
BW_PREFIX_IS_COPY=

bw_log() { echo "wine-session: $*" >&2; }

# Starts an Xvfb on a free display number (Xvfb chooses it: -displayfd) and
# waits until it answers.
bw_start_xvfb() {
  local fdfile="$WINEPREFIX.xvfb-display" log="$WINEPREFIX.xvfb.log"
  rm -f "$fdfile"
  Xvfb -displayfd 3 -screen 0 "${BW_SCREEN}x24" -nolisten tcp 3>"$fdfile" >"$log" 2>&1 </dev/null &
  BW_XVFB_PID=$!
  bw_recorded "$BW_XVFB_PID"
  local i
  for i in $(seq 100); do
    [ -s "$fdfile" ] && break
    kill -0 "$BW_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  local n
  n=$(head -n1 "$fdfile" 2>/dev/null | tr -dc 0-9)
  rm -f "$fdfile"
  if [ -z "$n" ]; then
    bw_log "Xvfb did not start; its log:"; cat "$log" >&2
    return 1
  fi
  rm -f "$log"
  export DISPLAY=":$n"
  for i in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  bw_log "Xvfb on $DISPLAY does not answer"
  return 1
}

bw_reg_add() { timeout 60 wine reg add "$@" /f >/dev/null; }

# A PulseAudio server of the session's own, with a sink that plays into
# nothing, which Wine's winepulse driver reaches through PULSE_SERVER: the
# programs that play sound find an output device. Its files beside the
# prefix (the socket is seen in the WoW64 root too, which mounts the
# checkout). Without it the session goes on with no output device, and the
# tests that need one say so and skip. PULSE_SERVER is set either way, so
# that no client ever starts a server of its own.
bw_start_pulse() {
  local dir="$WINEPREFIX.pulse" i
  rm -rf "$dir" && mkdir -p "$dir"
  export PULSE_SERVER="unix:$dir/native"
  if ! command -v pulseaudio >/dev/null; then
    bw_log "no pulseaudio: this session has no sound"
    return 0
  fi
  HOME="$dir" XDG_CONFIG_HOME="$dir" PULSE_RUNTIME_PATH="$dir" pulseaudio -n --daemonize=no \
    --exit-idle-time=-1 --use-pid-file=no --disable-shm=yes --log-target="file:$dir/log" \
    -L "module-native-protocol-unix socket=$dir/native auth-anonymous=1" \
    -L "module-null-sink sink_name=silence" </dev/null >/dev/null 2>&1 &
  bw_recorded $!
  for i in $(seq 50); do
    [ -S "$dir/native" ] && return 0
    sleep 0.1
  done
  bw_log "PulseAudio did not start within 5 s (its log: $dir/log): this session has no sound"
}

# Builds build/wine/template once: wineboot, the registry settings the tests
# rely on, and the Tahoma fonts. Rebuilt when Wine's version changes.
bw_make_template() {
  local template="$BW_WINE_DIR/template" stamp
  stamp="$(wine --version 2>/dev/null) $BW_SCREEN"
  if [ -f "$template/.blinkward-ready" ] && [ "$(cat "$template/.blinkward-ready")" = "$stamp" ]; then
    return 0
  fi
  bw_log "creating the Wine prefix template (once, about 15 s)"
  rm -rf "$template"
  (
    export WINEPREFIX="$template"
    # A first wineboot on a new machine failed once for no reason it told:
    # its words are kept, and it is given a second try on a clean prefix.
    local log="$BW_WINE_DIR/wineboot.log" try
    for try in 1 2; do
      timeout 300 wineboot -i >"$log" 2>&1 && break
      bw_log "wineboot -i failed (try $try, exit $?); its last words:"
      tail -n 15 "$log" >&2
      [ "$try" = 2 ] && exit 1
      timeout 60 wineserver -k 2>/dev/null
      timeout 60 wineserver -w
      rm -rf "$template"
    done
    # Without a window manager, Wine's own window management makes every hide
    # of a top-level window wait 2 s.
    bw_reg_add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N
    # A crash must end the program, not wait for a click in a dialog.
    bw_reg_add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0
    # The virtual desktop "shell" with a taskbar and its notification area.
    bw_reg_add 'HKCU\Software\Wine\Explorer' /v Desktop /t REG_SZ /d shell
    bw_reg_add 'HKCU\Software\Wine\Explorer\Desktops' /v shell /t REG_SZ /d "$BW_SCREEN"
    # Save the registry and let the explorer that wineboot started go.
    timeout 60 wineserver -k 2>/dev/null
    timeout 60 wineserver -w
  ) || return 1
  bw_copy_fonts "$template"
  echo "$stamp" >"$template/.blinkward-ready"
}

# Without fonts-wine's Tahoma in the prefix, "Tahoma" falls back to DejaVu Sans.
bw_copy_fonts() {
  local fonts="$1/drive_c/windows/Fonts" f
  mkdir -p "$fonts"
  for f in /usr/share/wine/fonts/tahoma*.ttf; do
    [ -e "$f" ] || continue
    [ -e "$fonts/$(basename "$f")" ] || cp -L "$f" "$fonts/"
  done
}

wine_session_start() {
  local name=${1:?wine_session_start needs a prefix name} owner=$BASHPID
  mkdir -p "$BW_WINE_DIR"
  export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  bw_end_leftovers "$BW_WINE_DIR"
  if [ "${BW_KEEP_PREFIX:-0}" = 1 ]; then
    export WINEPREFIX="$BW_WINE_DIR/$name"
    BW_PREFIX_IS_COPY=
  else
    # A copy of its own (removed at the end), so sessions never share a prefix.
    export WINEPREFIX="$BW_WINE_DIR/$name-$$"
    BW_PREFIX_IS_COPY=1
  fi
  BW_SESSION_RECORD=${BW_SESSION_RECORD:-$WINEPREFIX.session}
  BW_SESSION_OWNER=$(bw_stamp "$owner") BW_SESSION_PROCS=
  bw_recorded   # before anything starts or is copied
  if [ "${BW_NO_TRAP:-0}" != 1 ]; then
    # Ends the session however the shell ends: a signal's default action would
    # skip the EXIT trap (a closed output pipe, Ctrl+C, a hang-up, a kill).
    trap wine_session_stop EXIT
    trap 'exit 129' HUP
    trap 'exit 130' INT
    trap 'exit 141' PIPE
    trap 'exit 143' TERM
  fi

  if [ "${BW_USE_DISPLAY:-0}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
    xdpyinfo >/dev/null 2>&1 || { bw_log "cannot reach the display $DISPLAY"; return 1; }
  else
    bw_start_xvfb || return 1
  fi
  bw_recorded   # with the display
  bw_start_pulse

  # One template for every session; two sessions starting at once take turns.
  (flock 9 && bw_make_template) 9>"$BW_WINE_DIR/template.lock" || return 1
  if [ ! -f "$WINEPREFIX/.blinkward-ready" ]; then
    rm -rf "$WINEPREFIX"
    cp -a "$BW_WINE_DIR/template" "$WINEPREFIX" || return 1
  fi
  bw_copy_fonts "$WINEPREFIX"

  # One server for the whole session, started with the display already set (a
  # server first started without one keeps failing to create windows).
  # No process left running may hold the caller's output open (a caller's
  # `| tail` would wait for it): every one gets its own.
  timeout 60 wineserver -p </dev/null >/dev/null 2>&1 || { bw_log "wineserver did not start"; return 1; }

  # Wine ends its desktop (and the notification area with it) a second after
  # its last user process; a cmd.exe that waits on an endless input keeps it
  # up for the whole session, so the icons of one test never race the
  # desktop's start for the next.
  local fifo="$WINEPREFIX/.keeper-input"
  rm -f "$fifo" && mkfifo "$fifo"
  wine cmd.exe <"$fifo" >/dev/null 2>&1 &
  bw_recorded $!
  sleep 2147483647 >"$fifo" 2>/dev/null </dev/null &
  bw_recorded $!
  # Any program that asks for the desktop window starts the desktop.
  timeout 60 wine rundll32.exe user32.dll,GetDesktopWindow >/dev/null 2>&1
  export BW_WINE_SESSION="$WINEPREFIX"   # tells cmake/wine-run that a session runs
  bw_recorded
  bw_log "WINEPREFIX=$WINEPREFIX DISPLAY=$DISPLAY"
}

# bw_recorded [PID]: adds process PID to the session's processes and rewrites
# the record, whole or not at all (a shell that reads it at that moment must
# never take a session for one whose shell has ended).
bw_recorded() {
  [ -z "${1:-}" ] || BW_SESSION_PROCS+=" $(bw_stamp "$1")"
  wine_session_state >"$BW_SESSION_RECORD.new" && mv -f "$BW_SESSION_RECORD.new" "$BW_SESSION_RECORD"
}

# Prints the session as shell assignments, for a later wine_session_stop in
# another shell (scripts/run --stop, bw_end_leftovers); a session in the
# WoW64 root adds the way into its namespace (scripts/lib/wow64-root.sh).
wine_session_state() {
  printf 'export WINEPREFIX=%q DISPLAY=%q WINEDEBUG=-all WINEDLLOVERRIDES=%q BW_WINE_SESSION=%q\n' \
    "$WINEPREFIX" "${DISPLAY:-}" "$WINEDLLOVERRIDES" "$WINEPREFIX"
  [ -z "${PULSE_SERVER:-}" ] || printf 'export PULSE_SERVER=%q\n' "$PULSE_SERVER"
  printf 'BW_SESSION_RECORD=%q BW_SESSION_OWNER=%q BW_SESSION_PROCS=%q BW_PREFIX_IS_COPY=%q\n' \
    "$BW_SESSION_RECORD" "$BW_SESSION_OWNER" "$BW_SESSION_PROCS" "$BW_PREFIX_IS_COPY"
  [ -z "${BW_WOW64_NS:-}" ] ||
    printf 'export PATH=%q:"$PATH" BW_WOW64_ROOT=%q BW_WOW64_NS=%q BW_WOW64_HOLDER=%q\n' \
      "$BW_WOW64_DIR/bin" "$BW_WOW64_ROOT" "$BW_WOW64_NS" "$BW_WOW64_HOLDER"
  return 0
}

wine_session_stop() {
  [ "${BW_NO_TRAP:-0}" = 1 ] || trap - EXIT HUP INT PIPE TERM
  # Every step below may find its process gone already; under a caller's
  # `set -e` one failure must not leave the rest (the Xvfb) running.
  if [ -d "${WINEPREFIX:-}" ]; then
    # Ends every Wine process of this prefix (the keeper too) and the server;
    # the server saves the registry as it goes.
    timeout 30 wineserver -k 2>/dev/null || true
    timeout 30 wineserver -w 2>/dev/null || true
  fi
  # The keeper and what feeds it, then our own Xvfb: each only while its id
  # has the start time recorded (another process may have it since).
  # shellcheck disable=SC2086
  bw_end ${BW_SESSION_PROCS:-}
  if [ -n "${WINEPREFIX:-}" ]; then
    if [ "${BW_PREFIX_IS_COPY:-}" = 1 ]; then rm -rf "$WINEPREFIX"; fi
    rm -f "$WINEPREFIX.xvfb-display" "$WINEPREFIX.xvfb.log"
    rm -rf "$WINEPREFIX.pulse"
  fi
  [ -z "${BW_SESSION_RECORD:-}" ] || rm -f "$BW_SESSION_RECORD"
  unset WINEPREFIX BW_WINE_SESSION PULSE_SERVER
  BW_XVFB_PID= BW_SESSION_OWNER= BW_SESSION_PROCS= BW_SESSION_RECORD= BW_PREFIX_IS_COPY=
  return 0
}

# Sessions whose shell has ended (killed: a shell that ends otherwise stops
# its session) with a prefix copy, from their records; then copies without a
# record (made before records were kept) whose shell's id is free. A session
# left running on purpose keeps its prefix and is ended by its starter
# (scripts/run). One shell at a time cleans a directory.
bw_end_leftovers() {
  local dir
  for dir; do
    [ -d "$dir" ] || continue
    (
      flock 9
      for record in "$dir"/*.session; do
        [ -f "$record" ] || continue
        (
          # shellcheck disable=SC1090
          source "$record"
          [ "${BW_PREFIX_IS_COPY:-}" = 1 ] && ! bw_runs "${BW_SESSION_OWNER:-}" || exit 0
          bw_log "ending what a killed run left: $WINEPREFIX"
          BW_NO_TRAP=1 wine_session_stop
          ! declare -F wow64_root_leave >/dev/null || wow64_root_leave
          rm -f "$record"
        )
      done
      # An if, not a list: a caller under `set -e` (scripts/bench) would end
      # with the subshell when the last name it looks at is not a copy.
      for copy in "$dir"/*-*/; do
        copy=${copy%/}
        if [[ ${copy##*-} =~ ^[0-9]+$ ]] && [ ! -e "$copy.session" ] && [ ! -d "/proc/${copy##*-}" ]; then
          rm -rf "$copy"
        fi
      done
    ) 9>"$dir/leftovers.lock"
  done
  return 0
}
