#!/usr/bin/env bash
# The version check of the build: the source as it is passes, and a Debian changelog, manual page or metainfo
# whose latest version is another than project()'s fails it, naming the file.
# Usage: versions_test.sh SOURCE_FOLDER VERSION
set -euo pipefail
source=$1 version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
files=(packaging/debian/changelog packaging/debian/pairfinder.6 app/io.github.pairfinder.Pairfinder.metainfo.xml)

check() { cmake -DVERSION="$version" -DSOURCE="$1" -P "$source/cmake/check_versions.cmake" 2>&1; }

check "$source" >/dev/null || { echo "FAIL: the source as it is fails the check: $(check "$source")"; exit 1; }
for changed in "${files[@]}"; do
  rm -rf "$work/tree"
  for file in "${files[@]}"; do
    mkdir -p "$work/tree/$(dirname "$file")"
    cp "$source/$file" "$work/tree/$file"
  done
  # Its first mention of the version, which is its latest, moves on a version.
  sed -i "0,/${version//./\\.}/s//$version.1/" "$work/tree/$changed"
  if output=$(check "$work/tree"); then
    echo "FAIL: $changed at $version.1 passes the check"
    exit 1
  fi
  grep -q "$changed: .* is $version\.1" <<<"$output" || { echo "FAIL: the check does not name $changed: $output"; exit 1; }
  echo "$changed at $version.1 fails the build"
done
