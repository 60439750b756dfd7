#!/usr/bin/env bash
# Builds the Debian package from a build folder, unpacks it into a scratch folder, checks what it holds and
# what it depends on, plays the unpacked program's smoke test under Xvfb, and has lintian find no error in it.
# Usage: package_test.sh BUILD_FOLDER [CPACK]
set -euo pipefail

build=$(realpath "$1")
cpack=${2:-cpack}
here=$(dirname "$(realpath "$0")")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# cpack's staging and the package go to the scratch folder, so a test run leaves the build folder as it was.
"$cpack" --config "$build/CPackConfig.cmake" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1 ||
    fail "cpack failed: $(cat "$work/cpack.log")"
package=$(find "$work/out" -maxdepth 1 -name 'pairfinder_*.deb' | head -n1)
[ -n "$package" ] || fail "cpack made no pairfinder_*.deb: $(cat "$work/cpack.log")"
echo "built $(basename "$package") ($(du -k "$package" | cut -f1) kB)"

id=io.github.pairfinder.Pairfinder
root="$work/root"
dpkg-deb -x "$package" "$root"
for file in usr/games/pairfinder "usr/share/applications/$id.desktop" "usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "usr/share/metainfo/$id.metainfo.xml" usr/share/man/man6/pairfinder.6.gz \
    usr/share/doc/pairfinder/copyright usr/share/doc/pairfinder/changelog.gz; do
    [ -f "$root/$file" ] || fail "the package holds no /$file"
done
[ -x "$root/usr/games/pairfinder" ] || fail "the program is not executable"
# The copyright file names the holders and years; no template of a licence text stands in for them.
template=$(grep -n '<[a-z ]*>' "$root/usr/share/doc/pairfinder/copyright" || true)
[ -z "$template" ] || fail "the copyright file carries a template line: $template"
# A build folder, a header or a test binary has no place in it.
unexpected=$(cd "$root" && find . -type f | grep -v -e '^./usr/games/pairfinder$' -e '^./usr/share/' || true)
[ -z "$unexpected" ] || fail "the package holds more than the program and its shared files: $unexpected"
zcat "$root/usr/share/man/man6/pairfinder.6.gz" | grep -q 'registry.reg' ||
    fail "the manual page does not say where the highscores live"

# The dependencies found from the program's own libraries, and the run-time parts no library names.
depends=$(dpkg-deb -f "$package" Depends)
for needed in libqt6widgets6 libc6 libzip4 qt6-qpa-plugins fonts-liberation; do
    grep -q "\\b$needed\\b" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
recommends=$(dpkg-deb -f "$package" Recommends)
[ "$recommends" = qt6-image-formats-plugins ] || fail "Recommends is '$recommends', not qt6-image-formats-plugins"
# The pictures are rendered when the program is built, so Qt's SVG library is no run-time need.
! grep -q libqt6svg <<<"$depends" || fail "Depends names Qt's SVG library: $depends"
echo "Depends: $depends"

"$here/../ui/xvfb_smoke_test.sh" "$root/usr/games/pairfinder"

# Errors fail the test; warnings and the rest are shown for whoever reads the log.
lintian --tag-display-limit 0 "$package" >"$work/lintian.log" 2>&1 || true
cat "$work/lintian.log"
if grep -q '^E: ' "$work/lintian.log"; then fail "lintian found errors"; fi
echo "unpacked package complete, its program plays, lintian finds no error"
