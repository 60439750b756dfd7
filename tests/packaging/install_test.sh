#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks that every desktop file lands in its place and validates.
set -euo pipefail

build=$1
id=io.github.pairfinder.Pairfinder
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in games/pairfinder "share/applications/$id.desktop" "share/icons/hicolor/scalable/apps/$id.svg" \
    "share/metainfo/$id.metainfo.xml" share/man/man6/pairfinder.6.gz share/doc/pairfinder/copyright; do
    [ -e "$prefix/$file" ] || fail "$file was not installed"
done
[ -x "$prefix/games/pairfinder" ] || fail "the program is not executable"

desktop-file-validate "$prefix/share/applications/$id.desktop"
# Pedantic, and only the remark on the capital in the id may stay: the id is the reverse domain name that
# the entry, the icon and the running window share, and renaming it would lose every installed launcher.
appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$prefix/appstream.log" 2>&1 ||
    fail "appstreamcli: $(cat "$prefix/appstream.log")"
cat "$prefix/appstream.log"
remarks=$(grep -E '^[EWIP]: ' "$prefix/appstream.log" | grep -v 'cid-contains-uppercase-letter' || true)
[ -z "$remarks" ] || fail "appstreamcli has remarks: $remarks"
for field in project_license metadata_license developer_name content_rating launchable binary release; do
    grep -q "<$field" "$prefix/share/metainfo/$id.metainfo.xml" || fail "the metadata has no <$field>"
done
echo "installed and valid"
