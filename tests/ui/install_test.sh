#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that every desktop file lands in its place and validates.
set -euo pipefail

build=$1
id=io.github.pairfinder.Pairfinder
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in bin/pairfinder "share/applications/$id.desktop" "share/icons/hicolor/scalable/apps/$id.svg" \
    "share/metainfo/$id.metainfo.xml"; do
    [ -e "$prefix/$file" ] || { echo "FAIL: $file was not installed" >&2; exit 1; }
done
[ -x "$prefix/bin/pairfinder" ] || { echo "FAIL: the program is not executable" >&2; exit 1; }

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
echo "installed and valid"
