#!/usr/bin/env bash
# The release packages: builds them with scripts/package.sh, checks them
# against dist/SHA256SUMS, unpacks each into an empty folder and runs the
# program from there. The Linux tarball: --version, and setup finding its
# templates in share/kalvor. The Debian package: installed with apt (as root,
# or with sudo), run from /usr/bin, removed again. The Windows zip: its
# version resource and large-address-aware mark, the file layer built for
# 64-bit Windows on a 2.5 GB file under wine64, and the 32-bit kalvor.exe
# under wine64 and Xvfb, driven by the GUI test driver on the example design
# (About box, setup finding KALVOR.VEC).
#
#   scripts/test.d/packages.sh REPO-ROOT
set -euo pipefail
root="$(cd "${1:-$(dirname "$0")/../..}" && pwd)"
cd "$root"
"$root/scripts/install-deps.sh" base package win32
# shellcheck source=../wine-env.sh
. "$root/scripts/wine-env.sh"

bash scripts/package.sh
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release/CMakeCache.txt)"
work="$(mktemp -d /tmp/kalvor-packages.XXXXXX)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

# Every file a package must hold, and nothing left out of it.
holds() {
  local dir="$1"; shift
  for f in "$@"; do [ -f "$dir/$f" ] || fail "$(basename "$dir") lacks $f"; done
}

echo "-- checksums"
(cd dist && sha256sum --quiet -c SHA256SUMS) || fail "dist/SHA256SUMS does not match"
[ "$(wc -l < dist/SHA256SUMS)" -eq 3 ] || fail "dist/SHA256SUMS does not list the three packages"
docs=()
for f in docs/*.md; do docs+=("$f"); done

# setup_runs KALVOR: setup of a design in $work finds the templates the
# package installed beside the program.
setup_runs() {
  rm -rf "$work/design" && mkdir "$work/design"
  printf '.macro TOP a b y\r\n.eom\r\n' > "$work/design/abc.mac"
  # The wire list names the top module, so a new run finds its ports.
  printf '$ Written by hand\r\n\r\nWIRE LIST\r\n<<< COMPONENT LIST >>>\r\nTOP TOP TOP\r\n' > "$work/design/abc.wir"
  (cd "$work" && "$1" setup design/abc.mac --ini "$work/kalvor.ini" --inputs a --echo-inputs=no \
    2> "$work/setup.log" </dev/null) || { cat "$work/setup.log"; fail "$1 setup"; }
  grep -q '^\.PATT  a' "$work/design/abc.VEC" || { cat "$work/setup.log"; fail "$1: setup wrote no abc.VEC"; }
}

echo "-- Linux tarball"
linux="kalvor-$version-linux-$(uname -m)"
mkdir "$work/linux"
tar -xzf "dist/$linux.tar.gz" -C "$work/linux"
pkg="$work/linux/$linux"
holds "$pkg" bin/kalvor share/kalvor/KALVOR.VEC share/kalvor/KALVOR.SIM share/kalvor/KALVOR.HLP \
  share/man/man1/kalvor.1.gz share/bash-completion/completions/kalvor README.md LICENSE "${docs[@]}"
[ "$("$pkg/bin/kalvor" --version)" = "kalvor $version" ] || fail "kalvor --version"
zgrep -q "\"kalvor $version\"" "$pkg/share/man/man1/kalvor.1.gz" || fail "man page version"
setup_runs "$pkg/bin/kalvor"

echo "-- Debian package"
deb="$(cd dist && ls kalvor_"$version"_*.deb)"
[ "$deb" = "kalvor_${version}_$(dpkg --print-architecture).deb" ] || fail "package name $deb"
contents="$(dpkg-deb -c "dist/$deb" | awk '{print $NF}')"
for f in /usr/bin/kalvor /usr/share/kalvor/KALVOR.VEC /usr/share/kalvor/KALVOR.SIM \
    /usr/share/kalvor/KALVOR.HLP /usr/share/man/man1/kalvor.1.gz /usr/share/doc/kalvor/copyright \
    /usr/share/doc/kalvor/README.md /usr/share/bash-completion/completions/kalvor \
    "${docs[@]/#/\/usr\/share\/doc\/kalvor\/}"; do
  grep -qx "\.$f" <<< "$contents" || fail "$deb lacks $f"
done
SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
if [ -n "$SUDO" ] && ! sudo -n true 2>/dev/null; then
  echo "-- SKIPPED: installing $deb needs root or sudo"
else
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -q "$root/dist/$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt install ./$deb"; }
  [ "$(/usr/bin/kalvor --version)" = "kalvor $version" ] || fail "installed kalvor --version"
  [ -f /usr/share/doc/kalvor/copyright ] || fail "no copyright file installed"
  setup_runs /usr/bin/kalvor
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get remove --purge -y -q kalvor >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log"; fail "apt remove kalvor"; }
  [ ! -e /usr/bin/kalvor ] && [ ! -e /usr/share/kalvor ] || fail "kalvor left files after its removal"
fi

echo "-- Windows zip"
win="kalvor-$version-win32"
mkdir "$work/win"
(cd "$work/win" && unzip -q "$root/dist/$win.zip")
pkg="$work/win/$win"
holds "$pkg" kalvor.exe KALVOR.VEC KALVOR.SIM KALVOR.HLP README.txt LICENSE.txt "${docs[@]}"
i686-w64-mingw32-objdump -f "$pkg/kalvor.exe" | grep -q 'file format pei-i386' || fail "kalvor.exe is not 32-bit"
# Read whole before grep stops early (pipefail would take the broken pipe
# for a failure).
headers="$(i686-w64-mingw32-objdump -p "$pkg/kalvor.exe")"
grep -q 'large address aware' <<< "$headers" || fail "kalvor.exe is not large-address-aware"
texts="$(strings -el "$pkg/kalvor.exe")"
grep -A1 -x 'ProductVersion' <<< "$texts" | grep -qx "$version" ||
  fail "kalvor.exe has no version resource of $version"

# The file layer where `long` has 32 bits: built for 64-bit Windows and run
# under wine64 on a sparse 2.5 GB file, read and written past 2 GiB.
x86_64-w64-mingw32-g++-posix -std=c++20 -O2 -static -Wall -Wextra -Werror -Wno-restrict \
  -D_FILE_OFFSET_BITS=64 -Isrc -Itests tests/tools/large_file/main.cpp src/text/file.cpp \
  src/text/strings.cpp -o "$work/large_file_check.exe" || fail "building the large file check"
kalvor_wine_prefix "$root/build/wineprefix-large" >/dev/null 2>&1
timeout 600 bash -c '. "$1/scripts/wine-env.sh"; shift; kalvor_wine "$@"' _ "$root" \
  "$work/large_file_check.exe" "$(kalvor_win_path "$work/large.bin")" 2>/dev/null ||
  fail "the Windows file layer past 2 GiB"

# The GUI test driver (64-bit) runs the packaged 32-bit program, where the
# machine runs 32-bit programs at all (a kernel without them cannot).
if ! kalvor_runs_32bit; then
  echo "-- SKIPPED: this machine does not run 32-bit programs; the packaged 32-bit kalvor.exe is not started"
  echo "-- packages ok (the 32-bit program not started)"
  exit 0
fi
build="$root/build/win-x86_64"
cmake --no-warn-unused-cli -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" -j 2 --target kvdriver kvkit kvnettran >/dev/null
mkdir -p "$work/files" "$work/artefacts" "$work/expected"
prefix="$root/build/wineprefix-win32"
cat > "$work/run.sh" <<RUN
#!/usr/bin/env bash
. "$root/scripts/wine-env.sh"
kalvor_wine_prefix "$prefix" headless
status=0
cd "$work"
KVDRIVER_ONLY="packaged program" timeout 600 bash -c '. "$root/scripts/wine-env.sh"; kalvor_wine "\$@"' wine \\
  "$build/tests/gui/kvdriver.exe" \\
  "\$(kalvor_win_path "$pkg/kalvor.exe")" \\
  "\$(kalvor_win_path "$build/tests/gui/kvkit.exe")" \\
  "\$(kalvor_win_path "$work/files")" \\
  "\$(kalvor_win_path "$work/artefacts")" \\
  "\$(kalvor_win_path "$root/tests/corpus")" \\
  "\$(kalvor_win_path "$root/examples")" \\
  "\$(kalvor_win_path "$work/expected")" \\
  "\$(kalvor_win_path "$build/tests/gui/doubles/nettran.exe")" || status=\$?
wineserver -k 2>/dev/null || true
exit \$status
RUN
xvfb-run -a -s "-screen 0 1024x768x24" bash "$work/run.sh" 2>&1 |
  grep -v -E 'Read access denied|^wine: ' | tee "$work/driver.log" || true
grep -q '^1 passed, 0 failed' "$work/driver.log" || fail "the packaged kalvor.exe under wine"
echo "-- packages ok"
