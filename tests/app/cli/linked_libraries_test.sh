#!/usr/bin/env bash
# The command line must not load the window system's libraries: none of them
# may be a NEEDED entry of the quendar program.
# Usage: linked_libraries_test.sh QUENDAR
set -euo pipefail
needed=$(readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p')
if [ -z "$needed" ]; then
  echo "FAIL: readelf found no NEEDED entries in $1"
  exit 1
fi
if forbidden=$(grep -Ei 'sdl|freetype|fontconfig|png|jpeg|X11|xcb|wayland|gtest' <<<"$needed"); then
  echo "FAIL: quendar needs $(echo $forbidden)"
  exit 1
fi
echo "quendar needs only: $(echo $needed)"
