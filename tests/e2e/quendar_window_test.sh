#!/usr/bin/env bash
# The calculator as a user meets it: started through `quendar` on a real X
# display, two dates typed, "Report to Clipboard" clicked and the report read
# back with xclip; then a start date of "abc" and the error box it opens,
# titled with the program's name as the application title rule gives it.
# Usage: quendar_window_test.sh QUENDAR
set -euo pipefail
quendar=$1
. "$(dirname "$0")/x_session.sh"

e2e_start_x
log="$e2e_work/quendar.log"
# Month/day/year dates whatever the machine's locale.
LC_ALL=C QUENDAR_TRACE=1 "$quendar" >"$log" 2>&1 &
program=$!
e2e_pids+=($program)
e2e_wait_for "grep -q '^ready' '$log'" 20 || e2e_fail "the window did not come up"
read -r _ x y < <(grep '^ready' "$log")
window=$(xdotool search --sync --onlyvisible --name "^Brisvane Quendar$" | head -1)
[ -n "$window" ] || e2e_fail "no visible X window named Brisvane Quendar"
xdotool windowfocus --sync "$window" 2>/dev/null || true

# click X Y: a click at a point of the window's client area.
click() { xdotool mousemove $((x + $1)) $((y + $2)) click 1; }
# replace X Y TEXT: clicks into a field, clears it and types the text.
replace() {
  click "$1" "$2"
  xdotool key --delay 10 End $(printf 'BackSpace %.0s' $(seq 1 20))
  xdotool type --delay 20 "$3"
}

replace 150 92 "3/1/2026"
replace 150 119 "3/15/2026"
click 283 147
report=$'Date 1 (Start):    20260301\r\nDate 2 (Stop): 20260315\r\nTotal Days:      14 days'
e2e_wait_for '[ "$(e2e_clipboard)" = "$report" ]' ||
  e2e_fail "clipboard holds '$(e2e_clipboard | od -c | head -5)'"

replace 150 92 "abc"
click 283 147
e2e_wait_for "grep -q '^box quendar: .abc. is not a valid date\\.$' '$log'" ||
  e2e_fail "no error box for abc"
box=$(xdotool search --sync --onlyvisible --name "^quendar$" | head -1)
[ -n "$box" ] || e2e_fail "the error box is not on the screen"
[ "$(e2e_clipboard)" = "$report" ] || e2e_fail "the failed report touched the clipboard"
xdotool windowfocus --sync "$box" 2>/dev/null || true
xdotool key Return
e2e_wait_for '! xdotool search --onlyvisible --name "^quendar$" >/dev/null' || e2e_fail "the error box stayed open"

# Closing the window ends the program with status 0.
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key alt+F4
status=0
e2e_wait_for "! kill -0 $program 2>/dev/null" 10 || e2e_fail "the program did not end with its window"
wait "$program" || status=$?
[ "$status" -eq 0 ] || e2e_fail "exit status $status"
echo "quendar window end-to-end: passed"
