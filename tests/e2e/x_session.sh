# Shared by the end-to-end tests: a private Xvfb display and helpers that wait
# for conditions instead of sleeping. Source it; it cleans up on exit.

e2e_work=$(mktemp -d)
e2e_pids=()

e2e_cleanup() {
  local pid waited
  for pid in "${e2e_pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${e2e_pids[@]}"; do
    waited=0
    while kill -0 "$pid" 2>/dev/null && [ "$waited" -lt 40 ]; do sleep 0.05; waited=$((waited + 1)); done
    kill -9 "$pid" 2>/dev/null || true
  done
  wait 2>/dev/null || true
  rm -rf "$e2e_work"
}
trap e2e_cleanup EXIT

e2e_fail() {
  echo "FAIL: $*" >&2
  for f in "$e2e_work"/*.log; do [ -f "$f" ] && { echo "--- $f" >&2; cat "$f" >&2; }; done
  exit 1
}

# Waits up to $2 seconds (default 15) for the command in $1 to succeed.
e2e_wait_for() {
  local condition=$1 limit=${2:-15} waited=0
  until eval "$condition"; do
    sleep 0.05
    waited=$((waited + 1))
    [ "$waited" -ge $((limit * 20)) ] && return 1
  done
  return 0
}

e2e_start_x() {
  local n
  for n in $(seq 90 140); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >"$e2e_work/xvfb.log" 2>&1 &
    e2e_pids+=($!)
    if e2e_wait_for "[ -e /tmp/.X11-unix/X$n ]" 10; then
      export DISPLAY=":$n"
      e2e_wait_for "xdpyinfo >/dev/null 2>&1 || xdotool getmouselocation >/dev/null 2>&1" 10 ||
        e2e_fail "X server :$n does not answer"
      return 0
    fi
  done
  e2e_fail "no X display could be started"
}

# Reads the clipboard; empty when nothing owns it.
e2e_clipboard() {
  timeout 5 xclip -o -selection clipboard 2>/dev/null || true
}
