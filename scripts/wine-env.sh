# Sourced by the scripts that run the Windows program under wine: picks the
# wine binary and prepares a private 64-bit prefix (booted once, ~15 s).
#   kalvor_wine_prefix DIR [headless]
#     boots DIR as WINEPREFIX when it is new. "headless": wine draws the
#     window frames itself (there is no window manager under Xvfb), so that
#     screenshots show captions and borders; otherwise the desktop's window
#     manager decorates the windows.
# Whether this machine runs 32-bit programs (some kernels are built without
# that): wine's own 32-bit loader tells.
kalvor_runs_32bit() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

kalvor_wine() {
  if command -v wine >/dev/null 2>&1 && kalvor_runs_32bit; then
    wine "$@"
  else
    /usr/lib/wine/wine64 "$@"
  fi
}

kalvor_wine_prefix() {
  export WINEPREFIX="$1" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    kalvor_wine wineboot -i >/dev/null 2>&1 || true
  fi
  local managed=Y
  [ "${2:-}" = headless ] && managed=N
  kalvor_wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1 || true
  wineserver -w 2>/dev/null || true
}

# A Linux path as the Windows program sees it (drive Z: is the root).
kalvor_win_path() {
  local p
  p="$(realpath -m "$1")"
  printf 'Z:%s' "${p//\//\\}"
}
