#!/usr/bin/env bash
# The standard controls in a real window: text typed into the focused edit
# replaces its selected text, and the default button copies it to the
# clipboard, read back with xclip while the gallery runs.
set -euo pipefail
gallery=$1
. "$(dirname "$0")/x_session.sh"

e2e_start_x
log="$e2e_work/gallery.log"
"$gallery" >"$log" 2>&1 &
e2e_pids+=($!)
e2e_wait_for "grep -q '^ready' '$log'" 20 || e2e_fail "the gallery did not come up"
read -r _ client_x client_y < <(grep '^ready' "$log")
window=$(xdotool search --sync --onlyvisible --name "Quendar control gallery" | head -1)
[ -n "$window" ] || e2e_fail "no visible X window for the gallery"

xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool type --delay 20 "2/1/2026"
xdotool mousemove $((client_x + 292)) $((client_y + 20)) click 1
e2e_wait_for '[ "$(e2e_clipboard)" = "2/1/2026" ]' || e2e_fail "clipboard holds '$(e2e_clipboard)'"
echo "control gallery end-to-end: passed"
