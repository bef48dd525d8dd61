#!/usr/bin/env bash
# Start-up cost of the command line: wall time per run of `quendar days`
# beside dateutils' ddiff (a small C program, about as fast as a process can
# start) and Python computing the same difference, with /bin/true as the
# floor. The four run in turn, round after round, so that load on the machine
# falls on all of them alike.
# Usage: bench/cli_startup.sh [BUILD_DIR] [ROUNDS]
set -euo pipefail
build=${1:-build-bench}
rounds=${2:-200}
quendar=$build/quendar
[ -x "$quendar" ] || { echo "cli_startup: no $quendar; build it first" >&2; exit 1; }
ddiff=$(command -v dateutils.ddiff) || { echo "cli_startup: dateutils.ddiff missing (scripts/setup-deps)" >&2; exit 1; }

exec /usr/bin/python3 - "$quendar" "$ddiff" "$rounds" <<'PYTHON'
import os, statistics, subprocess, sys, time

quendar, ddiff, rounds = sys.argv[1], sys.argv[2], int(sys.argv[3])
commands = [
    ("quendar days", [quendar, "days", "1/1/2026", "1/15/2026"]),
    ("dateutils.ddiff", [ddiff, "2026-01-01", "2026-01-15"]),
    ("python3 -c", ["/usr/bin/python3", "-c",
                    "import datetime as d; print((d.date(2026, 1, 15) - d.date(2026, 1, 1)).days)"]),
    ("/bin/true", ["/bin/true"]),
]
environment = dict(os.environ, LC_ALL="en_US.UTF-8")

for name, argv in commands[:3]:
    answer = subprocess.run(argv, env=environment, capture_output=True, text=True).stdout.strip()
    if answer != "14":
        sys.exit(f"cli_startup: {name} answered {answer!r}, not 14")

devnull = os.open(os.devnull, os.O_WRONLY)

# Wall time, and the processor time the child used (less disturbed by a busy machine).
def run_once(argv):
    start = time.perf_counter_ns()
    pid = os.posix_spawn(argv[0], argv, environment, file_actions=[(os.POSIX_SPAWN_DUP2, devnull, 1)])
    _, status, usage = os.wait4(pid, 0)
    elapsed = time.perf_counter_ns() - start
    if status != 0:
        sys.exit(f"cli_startup: {argv[0]} failed with status {status}")
    return elapsed / 1e6, (usage.ru_utime + usage.ru_stime) * 1e3

for _ in range(20):
    for _, argv in commands:
        run_once(argv)
wall = {name: [] for name, _ in commands}
processor = {name: [] for name, _ in commands}
for _ in range(rounds):
    for name, argv in commands:
        elapsed, used = run_once(argv)
        wall[name].append(elapsed)
        processor[name].append(used)

def percentile(samples, fraction):
    ordered = sorted(samples)
    return ordered[min(len(ordered) - 1, int(len(ordered) * fraction))]

# The fastest tenth shows each program's own cost; the median adds the
# machine's noise; processor time is what the program itself spent.
baseline = {"p10": percentile(wall["dateutils.ddiff"], 0.1), "median": statistics.median(wall["dateutils.ddiff"]),
            "cpu": statistics.mean(processor["dateutils.ddiff"])}
print(f"{rounds} rounds, LC_ALL=en_US.UTF-8; milliseconds per run, and the ratio to ddiff")
print(f"{'command':<17}{'wall p10':>17}{'wall median':>17}{'processor mean':>17}")
for name, _ in commands:
    figures = {"p10": percentile(wall[name], 0.1), "median": statistics.median(wall[name]),
               "cpu": statistics.mean(processor[name])}
    print(f"{name:<17}" + "".join(f"{figures[k]:>10.3f} {figures[k] / baseline[k]:>5.2f}x" for k in ("p10", "median", "cpu")))
PYTHON
