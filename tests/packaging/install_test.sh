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

# The deck file's type, as shared-mime-info's trigger takes it in: without a complaint, by its extension, a kind
# of ZIP; and the desktop entry opens it.
mime=$prefix/share/mime
[ -e "$mime/packages/$id.xml" ] || fail "the deck file's type was not installed"
XDG_DATA_DIRS=$prefix/share update-mime-database "$mime" >"$prefix/mime.log" 2>&1 || fail "update-mime-database: $(cat "$prefix/mime.log")"
[ ! -s "$prefix/mime.log" ] || fail "update-mime-database says: $(cat "$prefix/mime.log")"
grep -qx '50:application/x-pairfinder-deck:\*\.pfdeck' "$mime/globs2" || fail "no glob *.pfdeck: $(cat "$mime/globs2")"
grep -qx 'application/x-pairfinder-deck application/zip' "$mime/subclasses" || fail "the deck is no kind of ZIP"
grep -qx 'MimeType=application/x-pairfinder-deck;' "$prefix/share/applications/$id.desktop" ||
    fail "the desktop entry does not open deck files"
grep -qx 'Exec=pairfinder %f' "$prefix/share/applications/$id.desktop" || fail "the desktop entry takes no file"

for field in project_license metadata_license developer_name content_rating launchable binary release; do
    grep -q "<$field" "$prefix/share/metainfo/$id.metainfo.xml" || fail "the metadata has no <$field>"
done
echo "installed and valid"
