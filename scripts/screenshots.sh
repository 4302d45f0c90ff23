#!/usr/bin/env bash
# Starts the real wizard under Xvfb at its smallest size with a stored
# playlist of three tunes, two of them with timed lyrics beside them, walks
# through its five pages with the keyboard and writes a picture of each into
# the folder given (default build/screenshots), and one of the playlist's
# lyrics mark with its tooltip (1-playlist-lyrics); then publishes
# into a folder that cannot be written, for the failure box and the
# progress page that says nothing was published, and stops a publish with
# Escape, for the folder page that says so. All of it in English, then in
# German into the folder's de/.
# usage: scripts/screenshots.sh [BUILD_FOLDER] [OUTPUT_FOLDER]
set -euo pipefail
build=$(realpath "${1:-build}")
shots=$(realpath -m "${2:-$build/screenshots}")
mkdir -p "$shots"
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# A user of our own: documents, Tunemill's folder and a playlist in it.
mkdir -p "$home/Documents" "$home/.local/share/Tunemill" "$home/Music"
for tune in "Morning 440" "Walk 550" "Night 330"; do
  set -- $tune
  sox -n -r 44100 -c 2 -b 16 "$home/Music/$1.wav" synth 120 pluck "$2" 2>/dev/null
  lame --quiet "$home/Music/$1.wav" "$home/Music/$1.mp3"
done
printf '[00:00.00]Morning comes\n[00:05.00]over the hills\n' >"$home/Music/Morning.lrc"
printf '[00:00.00]Night falls\n' >"$home/Music/Night.lrc"
# Three long tunes that no publish has seen, for a publish that is stopped.
for tune in "Dawn 392" "Noon 494" "Dusk 294"; do
  set -- $tune
  sox -n -r 44100 -c 2 -b 16 "$home/Music/$1.wav" synth 400 pluck "$2" 2>/dev/null
  lame --quiet "$home/Music/$1.wav" "$home/Music/$1.mp3"
done
# Four rounds of the three, so that the progress page stays long enough.
{
  printf '<data>'
  for round in 1 2 3 4; do
    for name in Morning Walk Night; do
      printf '<item><file text="%s">%s</file></item>' "$name" "$home/Music/$name.mp3"
    done
  done
  printf '</data>'
} >"$home/.local/share/Tunemill/Songbox.sbx"
# Each language starts from this playlist and no choices.
cp "$home/.local/share/Tunemill/Songbox.sbx" "$home/first-playlist.sbx"

export HOME=$home XDG_DATA_HOME=$home/.local/share XDG_DOCUMENTS_DIR=$home/Documents
export QTWEBENGINE_DISABLE_SANDBOX=1
# No browser on this screen: Preview shows its address and says so.
export BROWSER=false
walk() {
xvfb-run -a -s "-screen 0 1024x700x24" bash -c '
  set -e
  shots=$1; build=$2; home=$3; next=$4; preview=$5; finish=$6
  mkdir -p "$shots"
  cp "$home/first-playlist.sbx" "$home/.local/share/Tunemill/Songbox.sbx"
  window() { xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
  # The whole screen, less the empty black around the windows.
  snap() { sleep "$2"; import -window root "$shots/$1.png"; convert "$shots/$1.png" -trim +repage "$shots/$1.png"; }
  # No window manager here: focus the window ourselves, then type. No
  # sound card either: the playlist page says so first, and Return closes
  # that box.
  press() { xdotool windowfocus --sync "$1" 2>/dev/null || true; xdotool key "$2"; }
  wizardKey() { press "$(window "Tunemill v1.2.2")" "$1"; }
  # The smallest size the wizard allows, as it tells the window system.
  smallest() {
    local id size
    id=$(window "Tunemill v1.2.2")
    size=$(xprop -id "$id" WM_NORMAL_HINTS | sed -n "s/.*minimum size: \([0-9]*\) by \([0-9]*\).*/\1 \2/p")
    xdotool windowsize --sync "$id" $size
  }
  start() {
    "$build/tunemill" >/dev/null 2>>"$shots/stderr.txt" &
    wizard=$!
    window "Tunemill v1.2.2" >/dev/null
    smallest
    sleep 2
    xdotool key Return
  }

  : >"$shots/stderr.txt"
  start
  snap 1-playlist 1
  # The pointer on the first row'"'"'s lyrics mark: its tooltip says where
  # they come from. The offset is the mark'"'"'s place in the page as laid out.
  # Qt shows tooltips in the active window, after the pointer moved.
  wizard_window=$(window "Tunemill v1.2.2")
  xdotool windowfocus --sync "$wizard_window" 2>/dev/null || true
  eval "$(xdotool getwindowgeometry --shell "$wizard_window")"
  xdotool mousemove $((X + 398)) $((Y + 80)); sleep 0.5
  xdotool mousemove $((X + 403)) $((Y + 83))
  snap 1-playlist-lyrics 3
  xdotool mousemove 0 0
  wizardKey $next; snap 2-player 15
  wizardKey $next; snap 3-folder 1
  wizardKey $next; snap 4-progress 1
  # Twelve two-minute tunes publish in a few seconds; the page moves on.
  sleep 15
  wizardKey $preview; snap 5-finish 3
  wizardKey $finish
  wait $wizard || true

  # Again, into a folder where a file stands in the way of "output": one
  # box lists what failed, and the progress page says nothing was published.
  mkdir -p "$home/blocked"
  echo "not a folder" >"$home/blocked/output"
  sed -i "s|Folder=\"[^\"]*\"|Folder=\"$home/blocked\"|" "$home/.local/share/Tunemill/Songbox.sbx"
  start
  wizardKey $next; sleep 4
  wizardKey $next; sleep 1
  wizardKey $next; snap 6-failures 12
  xdotool key Return; snap 7-nothing-published 1
  press "$(window "Tunemill v1.2.2")" Escape
  wait $wizard || true

  # Once more with the long tunes into the folder published first: Escape
  # stops the publish, and the folder page says the old player is unchanged.
  {
    printf "<data Folder=\"%s\">" "$home/Documents/Tunemill"
    for name in Dawn Noon Dusk; do
      printf "<item><file text=\"%s\">%s</file></item>" "$name" "$home/Music/$name.mp3"
    done
    printf "</data>"
  } >"$home/.local/share/Tunemill/Songbox.sbx"
  start
  wizardKey $next; sleep 4
  wizardKey $next; sleep 1
  wizardKey $next; sleep 2
  wizardKey Escape; snap 8-cancelled 3
  wizardKey Escape
  wait $wizard || true
' _ "$1" "$build" "$home" "$2" "$3" "$4"
}
# The language comes from LANG alone.
export LC_ALL= LC_MESSAGES= LANGUAGE=
# Next, Preview and Finish by their mnemonics in each language.
LANG=C.UTF-8 walk "$shots" alt+n alt+p alt+f
LANG=de_DE.UTF-8 walk "$shots/de" alt+w alt+v alt+s
echo "Screenshots in $shots (German in $shots/de)"
for said in "$shots/stderr.txt" "$shots/de/stderr.txt"; do
  if [ -s "$said" ]; then
    echo "The wizard wrote to standard error ($said):" >&2
    cat "$said" >&2
  fi
done
