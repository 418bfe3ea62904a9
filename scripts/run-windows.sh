#!/usr/bin/env bash
# Starts the Windows program under wine64 on a design: on your display when
# there is one, else under Xvfb (then a screenshot is saved to
# build/run-windows.png and the program is closed after a few seconds).
#
#   scripts/run-windows.sh [DESIGN-FILE-OR-DIRECTORY]   (default: examples/)
#
# A directory stands for the first EDIF file (.edf, .edn, .edo) in it, else
# its first .mac file. The prefix is $KALVOR_WINEPREFIX (default
# ~/.local/share/kalvor/wineprefix); its WIN.INI holds the [RDMX] settings.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
# shellcheck source=wine-env.sh
. "$root/scripts/wine-env.sh"

design="${1:-$root/examples}"
if [ -d "$design" ]; then
  found="$(find "$design" -maxdepth 2 -type f \( -iname '*.edf' -o -iname '*.edn' -o -iname '*.edo' \) | sort | head -n 1)"
  [ -n "$found" ] || found="$(find "$design" -maxdepth 2 -type f -iname '*.mac' | sort | head -n 1)"
  [ -n "$found" ] || { echo "run-windows: no design file in $design" >&2; exit 2; }
  design="$found"
fi
[ -f "$design" ] || { echo "run-windows: no such file: $design" >&2; exit 2; }

exe="$root/build/win-x86_64/bin/kalvor.exe"
if [ ! -f "$exe" ]; then
  cmake -S "$root" -B "$root/build/win-x86_64" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-x86_64.cmake" \
    -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$root/build/win-x86_64" -j 2 --target kalvor >/dev/null
fi

prefix="${KALVOR_WINEPREFIX:-$HOME/.local/share/kalvor/wineprefix}"
windows_design="$(kalvor_win_path "$design")"

if [ -n "${DISPLAY:-}" ]; then
  kalvor_wine_prefix "$prefix"
  echo "run-windows: kalvor.exe $windows_design"
  exec bash -c '. "$1/scripts/wine-env.sh"; kalvor_wine "$2" "$3"' run "$root" "$exe" "$windows_design"
fi

echo "run-windows: no display, running under Xvfb"
shot="$root/build/run-windows.png"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  . "$1/scripts/wine-env.sh"
  kalvor_wine_prefix "$2" headless
  kalvor_wine "$3" "$4" &
  sleep 8
  import -window root -crop 560x600+0+0 "$5" 2>/dev/null || true
  wineserver -k 2>/dev/null || true
  wait 2>/dev/null || true
' run "$root" "$prefix" "$exe" "$windows_design" "$shot"
echo "run-windows: screenshot in $shot"
