# What keeps the scripts from harming what they did not make: where they may
# delete, one run at a time, and the processes they started recorded by id and
# start time, so that a later run never ends a process that only reuses an id.
# Sourced by wine-session.sh and wow64-root.sh, which check the directories
# (bw_check_dirs) as they are sourced.
#
#   bw_check_dirs           BW_ROOT and BW_WINE_DIR, where set: the scripts
#                           delete below them, so only the checkout (BW_ROOT)
#                           or a directory below its build/ is taken; anything
#                           else ends the shell with one line
#   bw_lock FILE SECONDS WHAT   holds the lock FILE while this shell runs
#   bw_stamp PID            prints PID:START, the record of a running process
#   bw_runs RECORD          whether that process still runs
#   bw_end RECORD...        ends those of them that still run

bw_check_dirs() {
  local checkout build var path
  checkout=$(realpath -- "$(dirname "${BASH_SOURCE[0]}")/../..")
  build=$(realpath -m -- "$checkout/build")
  for var in BW_ROOT BW_WINE_DIR; do
    [ -n "${!var:-}" ] || continue
    # Resolved: a ".." or a symlink must not lead out of build/.
    path=$(realpath -m -- "${!var}")
    [ "$var" = BW_ROOT ] && [ "$path" = "$checkout" ] && continue
    case "$path/" in "$build"/?*/) continue ;; esac
    echo "scripts: $var=${!var} is not below $checkout/build/, and the scripts delete below it: refused" >&2
    exit 2
  done
}

# The fields of /proc/PID/stat after the program's name (which may hold
# spaces and parentheses) into the array bw_fields: [0] the state, [19] the
# start time in clock ticks after boot.
bw_stat() {
  local line
  [[ $1 =~ ^[0-9]+$ ]] || return 1
  { read -r line <"/proc/$1/stat"; } 2>/dev/null || return 1
  read -ra bw_fields <<<"${line##*) }"
}

bw_stamp() { bw_stat "$1" && echo "$1:${bw_fields[19]}"; return 0; }   # nothing if it has ended

# A zombie has ended; an id with another start time is another process.
bw_runs() {
  [[ $1 =~ ^([0-9]+):([0-9]+)$ ]] || return 1
  local start=${BASH_REMATCH[2]}
  bw_stat "${BASH_REMATCH[1]}" && [ "${bw_fields[0]}" != Z ] && [ "${bw_fields[19]}" = "$start" ]
}

# Returns once each has ended: SIGTERM, and SIGKILL for what still runs 5 s later.
bw_end() {
  local rec live i
  for rec; do bw_runs "$rec" && kill "${rec%%:*}" 2>/dev/null; done
  for i in $(seq 50); do
    live=()
    for rec; do bw_runs "$rec" && live+=("$rec"); done
    [ ${#live[@]} = 0 ] && return 0
    sleep 0.1
  done
  for rec in "${live[@]}"; do bw_runs "$rec" && kill -9 "${rec%%:*}" 2>/dev/null; done
  return 0
}

# bw_lock FILE SECONDS WHAT: waits at most SECONDS (0: not at all) for another
# WHAT that holds FILE, saying so in one line, and fails with one line if it
# still runs. The lock is held by a helper process that ends with this shell,
# however it ends: no process this shell starts (an X server, a Wine server, a
# Blinkward left running) ever holds it, and a killed run holds it no longer.
# The helper of a shell that has just ended lets go within a second, unsaid.
bw_lock() {
  local file=$1 wait=$2 what=$3 owner=$BASHPID holder
  holder=$(cat "$file" 2>/dev/null)
  if ! bw_take_lock "$file" 1 "$owner"; then
    if [ "$wait" = 0 ]; then
      echo "$what: another $what runs in this checkout (process $holder); not started" >&2
      return 1
    fi
    echo "$what: waiting for another $what in this checkout (process $holder) to end, at most $wait s" >&2
    bw_take_lock "$file" "$wait" "$owner" ||
      { echo "$what: another $what still runs in this checkout after $wait s; not started" >&2; return 1; }
  fi
  echo "$owner" >"$file"
}

# The helper says "locked" once it holds the lock; tail ends when the owner
# does (its output must not be the pipe: tail ends when that closes).
bw_take_lock() {
  local fd line
  exec {fd}< <(exec flock -o -w "$2" "$1" sh -c \
    'echo locked; exec tail -s 0.2 --pid="$1" -f /dev/null >/dev/null' sh "$3" </dev/null 2>/dev/null)
  read -r line <&"$fd"
  exec {fd}<&-
  [ "$line" = locked ]
}
