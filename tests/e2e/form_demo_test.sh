#!/usr/bin/env bash
# A form compiled from its text definition and embedded in the program opens
# in a real window on an X server, and Tab / Shift+Tab move the focus between
# its controls in tab order.
set -euo pipefail
demo=$1
. "$(dirname "$0")/x_session.sh"

e2e_start_x
log="$e2e_work/form.log"
"$demo" >"$log" 2>&1 &
e2e_pids+=($!)
e2e_wait_for "grep -q '^ready' '$log'" 20 || e2e_fail "the demo form did not come up"
window=$(xdotool search --sync --onlyvisible --name "Quendar form demo" | head -1)
[ -n "$window" ] || e2e_fail "no visible X window for the demo form"
e2e_wait_for "grep -q '^focus Box_First$' '$log'" || e2e_fail "the first control in tab order has no focus"

focus_count() { grep -c "^focus $1\$" "$log" || true; }
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key Tab
e2e_wait_for '[ "$(tail -1 "$log")" = "focus Box_Second" ]' || e2e_fail "Tab did not move to the second box"
xdotool key Tab
e2e_wait_for '[ "$(tail -1 "$log")" = "focus Box_Third" ]' || e2e_fail "Tab did not move to the third box"
xdotool key shift+Tab
e2e_wait_for '[ "$(tail -1 "$log")" = "focus Box_Second" ] && [ "$(focus_count Box_Second)" = 2 ]' ||
  e2e_fail "Shift+Tab did not move back to the second box"
echo "form demo end-to-end: passed"
