#!/usr/bin/env bash
# Installs the Debian packages listed in scripts/packages/*.txt (one name a
# line, '#' comments) that are not installed yet. Pass list names to limit
# it: install-deps.sh base wine
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
lists=()
if [ $# -gt 0 ]; then
  for n in "$@"; do lists+=("$here/packages/$n.txt"); done
else
  lists=("$here"/packages/*.txt)
fi
missing=()
for list in "${lists[@]}"; do
  [ -f "$list" ] || continue
  while read -r pkg _; do
    case "$pkg" in ''|'#'*) continue ;; esac
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done < "$list"
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" = 0 ] || SUDO=sudo
  # A name such as wine32:i386 needs that architecture enabled first.
  for pkg in "${missing[@]}"; do
    arch="${pkg##*:}"
    if [ "$arch" != "$pkg" ] && ! dpkg --print-foreign-architectures | grep -qx "$arch"; then
      $SUDO dpkg --add-architecture "$arch"
    fi
  done
  # A mirror in the middle of a sync can fail one index; what the others
  # hold is often enough, and the install says plainly when it is not.
  $SUDO apt-get update -q || echo "note: apt-get update reported errors; installing from the indexes it has" >&2
  if ! DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "${missing[@]}"; then
    # A package those indexes cannot give must not keep out the others:
    # each is tried alone, and those that still fail are named. A step that
    # needs one of them says so when it finds its tool missing.
    failed=()
    for pkg in "${missing[@]}"; do
      DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "$pkg" >/dev/null || failed+=("$pkg")
    done
    [ ${#failed[@]} -eq 0 ] || echo "note: could not install: ${failed[*]}" >&2
  fi
fi
