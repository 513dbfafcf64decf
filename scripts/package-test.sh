#!/usr/bin/env bash
# Builds the Debian package from a finished build and tries it as a person would get it:
# the menu entry and the AppStream metainfo pass their validators, lintian finds no error,
# and the programs unpacked from the package run and check an example list it ships.
# usage: scripts/package-test.sh [BUILD-DIR]    (`make package-test` builds first)
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

step() { printf '== %s\n' "$*"; }

step "package"
rm -f "$build"/lumoscope_*.deb
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$(ls "$build"/lumoscope_*.deb)
version=$(dpkg-deb --field "$deb" Version)
echo "$(basename "$deb"): $(du -k "$deb" | cut -f1) KiB"
echo "Depends: $(dpkg-deb --field "$deb" Depends)"

step "unpack"
root=$work/root
dpkg-deb -x "$deb" "$root"

step "desktop-file-validate"
desktop-file-validate "$root/usr/share/applications/lumoscope.desktop"

step "appstreamcli validate"
appstreamcli validate --no-net "$root"/usr/share/metainfo/*.metainfo.xml

step "lintian (errors fail, warnings are listed)"
status=0
lintian --fail-on error "$deb" >"$work/lintian.log" 2>&1 || status=$?
grep -v "^running with root privileges" "$work/lintian.log" || echo "no errors or warnings"
((status == 0)) || { echo "lintian found errors in the package" >&2; exit 1; }

step "the unpacked programs"
for program in lumoscope-cli lumoscope lumoscope-receiver-sim; do
  said=$("$root/usr/bin/$program" --version)
  echo "$said"
  [[ $said == "$program $version" ]] || { echo "$program --version says '$said', the package is $version" >&2; exit 1; }
done
list=$work/europe-digital.txt
cp "$root/usr/share/doc/lumoscope/examples/europe-digital.txt" "$list"
"$root/usr/bin/lumoscope-cli" check "$list"
echo "lumoscope-cli check: the shipped example list is accepted"
echo "package test passed"
