#!/usr/bin/env bash
# Installs the build into a temporary prefix and publishes from another
# folder with the installed programs alone: the runtime must be copied and
# the tracks must carry their spectrum bars.
# usage: install_test.sh BUILD_FOLDER
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
prefix=$work/prefix
for file in bin/tunemill-publish bin/swfinfo lib/tunemill/libmusic.so share/tunemill/ruffle/ruffle.js \
            share/applications/tunemill.desktop share/icons/hicolor/scalable/apps/tunemill.svg; do
  [ -e "$prefix/$file" ] || fail "$file is not installed"
done
if ls "$prefix"/share/tunemill/ruffle/*.map >/dev/null 2>&1; then fail "source maps are installed"; fi
desktop-file-validate "$prefix/share/applications/tunemill.desktop" || fail "the desktop entry is not valid"

mkdir "$work/elsewhere"
cd "$work/elsewhere"
"$prefix/bin/tunemill-publish" --demo --folder site 2>"$work/said" || { cat "$work/said" >&2; fail "publishing failed"; }
grep -q "no spectrum bars" "$work/said" && fail "the installed analyser was not found"
[ -f site/output/ruffle/ruffle.js ] || fail "the runtime was not copied"
grep -q 'ruffle/ruffle.js' site/output/Player.htm || fail "the page does not load the runtime"
"$prefix/bin/swfinfo" site/output/1.swf >"$work/movie.txt"
grep -q '"s0"' "$work/movie.txt" || fail "track 1 has no spectrum bars"
echo "installed into $prefix and published from $work/elsewhere"
