#!/usr/bin/env bash
# The window system on a real X server: the demo window appears through the
# SDL backend, a click and typed text reach it, and the text it copies is read
# from the clipboard with xclip while it runs.
set -euo pipefail
demo=$1
. "$(dirname "$0")/x_session.sh"

e2e_start_x
log="$e2e_work/demo.log"
"$demo" >"$log" 2>&1 &
e2e_pids+=($!)
e2e_wait_for "grep -q '^ready' '$log'" 20 || e2e_fail "the demo window did not come up"
read -r _ client_x client_y < <(grep '^ready' "$log")
window=$(xdotool search --sync --onlyvisible --name "Quendar window demo" | head -1)
[ -n "$window" ] || e2e_fail "no visible X window for the demo"

xdotool mousemove $((client_x + 200)) $((client_y + 40)) click 1
e2e_wait_for "grep -q '^click 200 40' '$log'" || e2e_fail "the click did not reach the window"

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool type --delay 20 "Quendar 2026"
e2e_wait_for "grep -q '^typed Quendar 2026$' '$log'" || e2e_fail "typed text did not reach the window"

xdotool mousemove $((client_x + 76)) $((client_y + 82)) click 1
e2e_wait_for "grep -q '^copied Quendar 2026$' '$log'" || e2e_fail "the copy box did not react"
e2e_wait_for '[ "$(e2e_clipboard)" = "Quendar 2026" ]' || e2e_fail "clipboard holds '$(e2e_clipboard)'"
# A popup menu chosen by keys, then a modal message box closed with Enter.
xdotool mousemove $((client_x + 200)) $((client_y + 60)) click 3
e2e_wait_for "grep -q '^menu open$' '$log'" || e2e_fail "no popup menu opened on the right click"
xdotool key Down Down Return
e2e_wait_for "grep -q '^menu 102$' '$log'" || e2e_fail "the popup menu did not answer the keys"
e2e_wait_for "xdotool search --onlyvisible --name '^About$' >/dev/null 2>&1" ||
  e2e_fail "the message box did not appear"
xdotool key Return
e2e_wait_for "grep -q '^about closed 1$' '$log'" || e2e_fail "the message box did not close with Enter"
echo "window demo end-to-end: passed"
