#!/usr/bin/env bash
# The quendar program as a user runs it: exact standard output and error
# bytes and exit status for each command line, in several locales.
# Usage: quendar_program_test.sh QUENDAR VERSION SKINS_DIR
set -uo pipefail
quendar=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# check NAME LOCALE STATUS STDOUT STDERR -- ARGUMENTS...
# STDOUT and STDERR are printf %b texts ("\r\n" for CR LF); "*" skips a check.
check() {
  local name=$1 locale=$2 status=$3 out=$4 err=$5
  shift 6
  env -u LC_TIME -u LANG LC_ALL="$locale" "$quendar" "$@" >"$work/out" 2>"$work/err"
  local actual=$?
  local ok=1
  [ "$actual" -eq "$status" ] || { echo "FAIL $name: exit status $actual, expected $status"; ok=0; }
  if [ "$out" != "*" ]; then
    printf '%b' "$out" >"$work/expected_out"
    cmp -s "$work/out" "$work/expected_out" || { echo "FAIL $name: stdout"; od -c "$work/out" | head -5; ok=0; }
  fi
  if [ "$err" != "*" ]; then
    printf '%b' "$err" >"$work/expected_err"
    cmp -s "$work/err" "$work/expected_err" || { echo "FAIL $name: stderr"; head -3 "$work/err"; ok=0; }
  fi
  [ $ok -eq 1 ] || failures=$((failures + 1))
}

march='Date 1 (Start):    20260301\r\nDate 2 (Stop): 20260315\r\nTotal Days:      14 days'

check "days en_US"            en_US.UTF-8 0 '14\n' '' -- days 1/1/2026 1/15/2026
check "days de_DE"            de_DE.UTF-8 0 '14\n' '' -- days 01.01.2026 15.01.2026
check "days C defaults"       C           0 '14\n' '' -- days 1/1/2026 1/15/2026
check "days unknown locale"   xx_XX.UTF-8 0 '14\n' '' -- days 1/1/2026 1/15/2026
check "days negative"         en_US.UTF-8 0 '-14\n' '' -- days 1/15/2026 1/1/2026
check "days zero"             de_DE.UTF-8 0 '0\n' '' -- days 15.01.2026 " 15.01.2026 "
check "days whole range"      C           0 '3652058\n' '' -- days 1/1/0001 12/31/9999
check "days other form"       de_DE.UTF-8 1 '' 'Enter valid dates\n' -- days 1/1/2026 1/15/2026
check "days impossible date"  en_US.UTF-8 1 '' 'Enter valid dates\n' -- days 2/29/2023 3/1/2023
check "days empty argument"   en_US.UTF-8 1 '' 'Enter valid dates\n' -- days "" 1/15/2026
check "days blank argument"   en_US.UTF-8 1 '' 'Enter valid dates\n' -- days 1/1/2026 "   "
check "days with a time"      en_US.UTF-8 1 '' 'Enter valid dates\n' -- days "1/1/2026 10:00" 1/2/2026
check "report en_US"          en_US.UTF-8 0 "$march" '' -- report 3/1/2026 3/15/2026
check "report de_DE"          de_DE.UTF-8 0 "$march" '' -- report 01.03.2026 15.03.2026
check "report reversed"       de_DE.UTF-8 0 'Date 1 (Start):    20260315\r\nDate 2 (Stop): 20260301\r\nTotal Days:      -14 days' '' -- report 15.03.2026 01.03.2026
check "report abc"            en_US.UTF-8 1 '' "'abc' is not a valid date\n" -- report abc 3/15/2026
check "report both invalid"   en_US.UTF-8 1 '' "'abc' is not a valid date\n" -- report abc xyz
check "report stop invalid"   de_DE.UTF-8 1 '' "'3/15/2026' is not a valid date\n" -- report 01.03.2026 3/15/2026
check "report empty start"    en_US.UTF-8 1 '' "'' is not a valid date\n" -- report "" 3/15/2026
check "version"               C 0 "Brisvane Quendar $version\n" '' -- --version
check "help"                  C 0 '*' '' -- --help
check "unknown command"       C 2 '' '*' -- frobnicate
check "too few dates"         C 2 '' '*' -- days 1/1/2026
check "too many dates"        C 2 '' '*' -- report 1/1/2026 1/2/2026 1/3/2026
check "help with argument"    C 2 '' '*' -- --help days
check "screenshot no file"    C 2 '' '*' -- --screenshot

# Help goes to standard output, the misuse's usage to standard error.
env LC_ALL=C "$quendar" --help | grep -q '^  quendar days START STOP ' || { echo "FAIL help text"; failures=$((failures + 1)); }
env LC_ALL=C "$quendar" days 2>"$work/err"
head -1 "$work/err" | grep -qx "quendar: 'days' takes two dates, START and STOP" ||
  { echo "FAIL misuse names the problem first"; failures=$((failures + 1)); }

# LC_ALL overrides LC_TIME, LC_TIME overrides LANG.
out=$(env -u LC_ALL LC_TIME=de_DE.UTF-8 LANG=en_US.UTF-8 "$quendar" days 01.01.2026 15.01.2026)
[ "$out" = 14 ] || { echo "FAIL LC_TIME before LANG: '$out'"; failures=$((failures + 1)); }
out=$(env -u LC_ALL -u LC_TIME LANG=de_DE.UTF-8 "$quendar" days 01.01.2026 15.01.2026)
[ "$out" = 14 ] || { echo "FAIL LANG alone: '$out'"; failures=$((failures + 1)); }
out=$(env LC_ALL=en_US.UTF-8 LC_TIME=de_DE.UTF-8 "$quendar" days 1/1/2026 1/15/2026)
[ "$out" = 14 ] || { echo "FAIL LC_ALL first: '$out'"; failures=$((failures + 1)); }

# Output that cannot be written is a failure, not a success.
env LC_ALL=C "$quendar" days 1/1/2026 1/15/2026 >/dev/full 2>"$work/err"
status=$?
[ $status -eq 1 ] && grep -q '^quendar: cannot write the output: ' "$work/err" ||
  { echo "FAIL full disk: status $status"; failures=$((failures + 1)); }

# The window commands start the window program beside quendar: a screenshot
# is a PNG file; without a display the window becomes one, named on stdout.
png_signature=$'\x89PNG'
check "screenshot"            C 0 '' '' -- --screenshot "$work/shot.png"
[ "$(head -c 4 "$work/shot.png" 2>/dev/null)" = "$png_signature" ] ||
  { echo "FAIL screenshot: no PNG written"; failures=$((failures + 1)); }
(cd "$work" && env -u DISPLAY -u WAYLAND_DISPLAY LC_ALL=C "$quendar" >"$work/out" 2>"$work/err")
status=$?
[ $status -eq 0 ] &&
  grep -qx 'No display to open the window on (is DISPLAY set?): the calculator was rendered to quendar.png' "$work/out" &&
  [ "$(head -c 4 "$work/quendar.png" 2>/dev/null)" = "$png_signature" ] ||
  { echo "FAIL window without display: status $status, $(cat "$work/out" "$work/err")"; failures=$((failures + 1)); }
# The commands for skin authors run in the window program too.
skins_dir=$3
LC_ALL=C "$quendar" skin info >"$work/out" 2>"$work/err"
status=$?
for line in 'Name: BlueGauze (internal)' 'Version: 4.81' 'Sections: 65' \
            'Image areas: 118 (51 frames, 33 textures, 34 glyphs)' 'Patterns: 0' 'Master bitmap: 156 x 292'; do
  grep -qxF "$line" "$work/out" || { echo "FAIL skin info: no line '$line' (status $status)"; cat "$work/out" "$work/err"; failures=$((failures + 1)); }
done
LC_ALL=C "$quendar" skin check "$skins_dir/Slate Dusk" >"$work/out" 2>"$work/err"
status=$?
[ $status -eq 0 ] || { echo "FAIL skin check of a sound skin: status $status, $(cat "$work/out" "$work/err")"; failures=$((failures + 1)); }
mkdir "$work/broken"
printf '[GLOBALINFO]\nMASTERBITMAP=missing.bmp\n[EDIT]\nPARENTCLASS=NOWHERE\n' >"$work/broken/Options.dat"
LC_ALL=C "$quendar" skin check "$work/broken" >"$work/out" 2>"$work/err"
status=$?
[ $status -eq 1 ] && [ -s "$work/out" ] && grep -q 'missing.bmp' "$work/out" && grep -q 'NOWHERE' "$work/out" ||
  { echo "FAIL skin check of a broken skin: status $status, $(cat "$work/out" "$work/err")"; failures=$((failures + 1)); }

mkdir "$work/alone"
cp "$quendar" "$work/alone/quendar"
"$work/alone/quendar" --screenshot x.png 2>"$work/err"
status=$?
grep -qx "quendar: cannot start the calculator window $work/alone/quendar_window: No such file or directory" "$work/err" &&
  [ $status -eq 1 ] || { echo "FAIL missing window program: status $status, $(cat "$work/err")"; failures=$((failures + 1)); }

if [ $failures -ne 0 ]; then
  echo "quendar program: $failures failed"
  exit 1
fi
echo "quendar program: passed"
