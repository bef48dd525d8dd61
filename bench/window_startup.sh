#!/usr/bin/env bash
# Start-up of the calculator window: time from process start to the first
# frame on the screen and the peak resident memory, on a private Xvfb, beside
# a bare SDL2 window (the floor), plus the headless screenshot path. The
# programs run in turn, round after round, so load falls on all alike.
# Usage: bench/window_startup.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
build=$(cd "${1:-build-bench}" && pwd)
rounds=${2:-30}
for program in "$build/quendar" "$build/quendar_window" "$build/bench/bare_sdl_window"; do
  [ -x "$program" ] || { echo "window_startup: no $program; build it first" >&2; exit 1; }
done
command -v Xvfb >/dev/null || { echo "window_startup: Xvfb missing (scripts/setup-deps)" >&2; exit 1; }
. "$(dirname "$0")/../tests/e2e/x_session.sh"
e2e_start_x

/usr/bin/python3 - "$build" "$rounds" "$e2e_work" <<'PYTHON'
import os, statistics, subprocess, sys, time

build, rounds, work = sys.argv[1], int(sys.argv[2]), sys.argv[3]
environment = dict(os.environ, LC_ALL="C", QUENDAR_TRACE="1")
shot = os.path.join(work, "shot.png")
programs = [
    # The window program directly: `quendar` adds one exec of a ~1 ms program.
    ("quendar_window (SDL)", [f"{build}/quendar_window", "--exit-after-first-frame"], True),
    ("bare SDL2 window", [f"{build}/bench/bare_sdl_window"], True),
    ("quendar --screenshot", [f"{build}/quendar", "--screenshot", shot], False),
]

# Milliseconds to the "ready" line (or to the end, for the screenshot), and
# the peak resident set in MB.
def run_once(argv, waits_for_ready):
    start = time.perf_counter_ns()
    child = subprocess.Popen(argv, env=environment, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    shown = None
    if waits_for_ready:
        for line in child.stdout:
            if line.startswith(b"ready"):
                shown = (time.perf_counter_ns() - start) / 1e6
                break
    child.stdout.read()
    _, status, usage = os.wait4(child.pid, 0)
    ended = (time.perf_counter_ns() - start) / 1e6
    if status != 0 or (waits_for_ready and shown is None):
        sys.exit(f"window_startup: {argv[0]} failed (status {status})")
    return (shown if waits_for_ready else ended), usage.ru_maxrss / 1024

for _ in range(3):
    for _, argv, ready in programs:
        run_once(argv, ready)
times = {name: [] for name, _, _ in programs}
memory = {name: [] for name, _, _ in programs}
for _ in range(rounds):
    for name, argv, ready in programs:
        elapsed, resident = run_once(argv, ready)
        times[name].append(elapsed)
        memory[name].append(resident)

floor = statistics.median(times["bare SDL2 window"])
floor_memory = statistics.median(memory["bare SDL2 window"])
print(f"{rounds} rounds on Xvfb; first frame (screenshot: whole run) in ms, peak resident MB, ratios to the bare window")
print(f"{'program':<24}{'median ms':>12}{'min ms':>10}{'ratio':>8}{'peak MB':>10}{'ratio':>8}")
for name, _, _ in programs:
    median = statistics.median(times[name])
    resident = statistics.median(memory[name])
    print(f"{name:<24}{median:>12.1f}{min(times[name]):>10.1f}{median / floor:>7.2f}x"
          f"{resident:>10.1f}{resident / floor_memory:>7.2f}x")
PYTHON
