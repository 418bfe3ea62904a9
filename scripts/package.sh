#!/usr/bin/env bash
# Builds the release packages in dist/, named with the project version of
# CMakeLists.txt, and dist/SHA256SUMS of them:
#
#   kalvor-VERSION-win32.zip            kalvor-VERSION-win32/: the 32-bit
#                                       kalvor.exe, KALVOR.VEC, KALVOR.SIM,
#                                       KALVOR.HLP, README.txt, LICENSE.txt,
#                                       docs/*.md
#   kalvor-VERSION-linux-ARCH.tar.gz    kalvor-VERSION-linux-ARCH/: bin/kalvor,
#                                       share/kalvor/ (the data files),
#                                       share/man/man1/kalvor.1.gz,
#                                       share/bash-completion/completions/kalvor,
#                                       README.md, LICENSE, docs/*.md
#   kalvor_VERSION_ARCH.deb             the same under /usr, with
#                                       /usr/share/doc/kalvor/copyright
#
# The Linux tree is what `cmake --install` makes, used in place or copied
# under a prefix such as /usr/local. Builds in build/release and
# build/win-i686 (as scripts/test.sh does) and installs what it needs with
# apt-get when it is missing.
#
#   scripts/package.sh
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
scripts/install-deps.sh base package

echo "-- building kalvor (Linux) and kalvor.exe (32-bit Windows)"
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/release -j 2 --target kalvor kalvor_man_page >/dev/null
rm -rf build/release/packages
(cd build/release && cpack -G DEB >/dev/null)
cmake --no-warn-unused-cli -S . -B build/win-i686 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake \
  -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/win-i686 -j 2 --target kalvor >/dev/null
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build/release/CMakeCache.txt)"
[ -n "$version" ] || { echo "package: no project version in build/release" >&2; exit 1; }

mkdir -p dist
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT

# Linux: the installed tree, README, LICENSE and the documents at its top.
linux="kalvor-$version-linux-$(uname -m)"
cmake --install build/release --prefix "$stage/$linux" --strip >/dev/null
mv "$stage/$linux/share/doc/kalvor/README.md" "$stage/$linux/share/doc/kalvor/LICENSE" \
  "$stage/$linux/share/doc/kalvor/docs" "$stage/$linux/"
rm -r "$stage/$linux/share/doc"
rm -f "dist/$linux.tar.gz"
tar -C "$stage" --sort=name --owner=0 --group=0 --numeric-owner -cf - "$linux" |
  gzip -9n > "dist/$linux.tar.gz"

# Windows: one folder, the program beside its data files; the texts with
# CR LF line ends so that every Notepad shows them.
win="kalvor-$version-win32"
cmake --install build/win-i686 --prefix "$stage/win-install" --strip >/dev/null
mkdir "$stage/$win"
cp "$stage/win-install/bin/"* "$stage/$win/"
sed 's/$/\r/' README.md > "$stage/$win/README.txt"
sed 's/$/\r/' LICENSE > "$stage/$win/LICENSE.txt"
mkdir "$stage/$win/docs"
for f in docs/*.md; do sed 's/$/\r/' "$f" > "$stage/$win/$f"; done
rm -f "dist/$win.zip"
(cd "$stage" && zip -q -X -r "$root/dist/$win.zip" "$win")

deb="$(cd build/release/packages && ls kalvor_"$version"_*.deb)"
cp "build/release/packages/$deb" dist/

(cd dist && sha256sum "$win.zip" "$linux.tar.gz" "$deb" > SHA256SUMS)
for f in "dist/$win.zip" "dist/$linux.tar.gz" "dist/$deb"; do
  echo "package: $f ($(stat -c %s "$f") bytes)"
done
