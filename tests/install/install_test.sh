#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks what a desktop gets:
# the programs answer --help and --version; the manual pages render without
# warnings; the completion completes; the desktop entry, the icon and the
# software-centre metadata share one id and validate; the German translation
# and the licences are there. Then publishes from another folder with the
# installed programs alone: the runtime must be copied and the tracks must
# carry their spectrum bars.
# usage: install_test.sh BUILD_FOLDER
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

id=org.example.tunemill.Tunemill
cmake --install "$build" --prefix "$work/prefix" >/dev/null
prefix=$work/prefix
for file in bin/tunemill bin/tunemill-publish bin/swfinfo lib/tunemill/libmusic.so share/tunemill/ruffle/ruffle.js share/tunemill/ruffle/ruffle.js.br \
            share/tunemill/ruffle/LICENSE_MIT share/applications/$id.desktop \
            share/icons/hicolor/scalable/apps/$id.svg share/metainfo/$id.metainfo.xml \
            share/man/man1/tunemill.1.gz share/man/man1/tunemill-publish.1.gz \
            share/bash-completion/completions/tunemill-publish share/tunemill/translations/tunemill_de.qm \
            share/doc/tunemill/copyright share/doc/tunemill/changelog.gz; do
  [ -e "$prefix/$file" ] || fail "$file is not installed"
done
if ls "$prefix"/share/tunemill/ruffle/*.map >/dev/null 2>&1; then fail "source maps are installed"; fi

# The programs, from anywhere.
[ "$("$prefix/bin/tunemill-publish" --version)" = "tunemill-publish 1.2.2" ] || fail "tunemill-publish --version"
[ "$(env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/tunemill" --version)" = "tunemill 1.2.2" ] || fail "tunemill --version"
"$prefix/bin/tunemill-publish" --help | grep -q -- "--folder DIR" || fail "tunemill-publish --help lists no --folder"

# The manual pages: both render at 80 columns without a warning and name
# every option the program's help lists.
for page in tunemill tunemill-publish; do
  warnings=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man1/$page.1.gz" 2>&1 >"$work/$page.txt")
  [ -z "$warnings" ] || fail "man $page warns: $warnings"
  grep -q "EXAMPLES" "$work/$page.txt" || fail "man $page has no examples"
done
for option in $("$prefix/bin/tunemill-publish" --help | grep -o -- '^ *-[-a-z,]*' | tr ',' ' '); do
  grep -q -- "$option" "$work/tunemill-publish.txt" || fail "man tunemill-publish lacks $option"
done

# The completion, as bash-completion would load it.
completions=$(cd "$work" && bash -c '
  source /usr/share/bash-completion/bash_completion
  source "$1/share/bash-completion/completions/tunemill-publish"
  complete_words() {
    COMP_WORDS=("$@"); COMP_CWORD=$(($# - 1)); COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}; COMPREPLY=()
    _tunemill_publish "$1" "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    echo "${COMPREPLY[*]}"
  }
  complete_words "$1/bin/tunemill-publish" --sk
  complete_words "$1/bin/tunemill-publish" --skin w
  complete_words "$1/bin/tunemill-publish" --loop ""
  complete_words "$1/bin/tunemill-publish" --port ""
' completion "$prefix")
[ "$completions" = $'--skin\nwmp-like\n0 1' ] || fail "the completion offers: $completions"

# One id for the desktop entry, its icon and the metadata.
desktop-file-validate "$prefix/share/applications/$id.desktop" || fail "the desktop entry is not valid"
grep -qx "Icon=$id" "$prefix/share/applications/$id.desktop" || fail "the desktop entry names another icon"
grep -qx "Exec=tunemill %F" "$prefix/share/applications/$id.desktop" || fail "the desktop entry passes no files"
grep -q "audio/mpeg;" "$prefix/share/applications/$id.desktop" || fail "the desktop entry opens no MP3"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$prefix/share/metainfo/$id.metainfo.xml" ||
  fail "the metadata names another desktop entry"
grep -q '<release version="1.2.2" date="' "$prefix/share/metainfo/$id.metainfo.xml" || fail "no release 1.2.2"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml" >"$work/validate.txt" ||
  { cat "$work/validate.txt" >&2; fail "the metadata is not valid"; }

grep -q "^License: Expat or Apache-2.0" "$prefix/share/doc/tunemill/copyright" || fail "the runtime's licence is not listed"

mkdir "$work/elsewhere"
cd "$work/elsewhere"
"$prefix/bin/tunemill-publish" --demo --folder site 2>"$work/said" || { cat "$work/said" >&2; fail "publishing failed"; }
grep -q "no spectrum bars" "$work/said" && fail "the installed analyser was not found"
[ -f site/output/ruffle/ruffle.js ] || fail "the runtime was not copied"
grep -q 'ruffle/ruffle.js' site/output/Player.htm || fail "the page does not load the runtime"
"$prefix/bin/swfinfo" site/output/1.swf >"$work/movie.txt"
grep -q '"s0"' "$work/movie.txt" || fail "track 1 has no spectrum bars"
echo "installed into $prefix and published from $work/elsewhere"
