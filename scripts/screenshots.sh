#!/usr/bin/env bash
# Starts the real wizard under Xvfb at its smallest size with a stored
# playlist of three tunes, two of them with timed lyrics beside them, walks
# through its five pages with the keyboard and writes a picture of each into
# the folder given (default build/screenshots), and one of the playlist's
# lyrics mark with its tooltip (1-playlist-lyrics); then publishes
# into a folder that cannot be written, for the failure box and the
# progress page that says nothing was published, and stops a publish with
# Escape, for the folder page that says so; from the finish page it uploads
# to an sshd of its own on loopback, for the upload dialog as it opens, the
# question about the server's key, its progress and its end. All of it in
# English, then in German into the folder's de/.
# usage: scripts/screenshots.sh [BUILD_FOLDER] [OUTPUT_FOLDER]
set -euo pipefail
build=$(realpath "${1:-build}")
shots=$(realpath -m "${2:-$build/screenshots}")
mkdir -p "$shots"
home=$(mktemp -d)
sshd=
web=
trap '[ -z "$sshd" ] || kill -- -"$sshd" 2>/dev/null; [ -z "$web" ] || kill -- -"$web" 2>/dev/null; rm -rf "$home"' EXIT

# A user of our own: documents, Tunemill's folder and a playlist in it.
mkdir -p "$home/Documents" "$home/.local/share/Tunemill" "$home/Music"
for tune in "Morning 440" "Walk 550" "Night 330"; do
  set -- $tune
  sox -n -r 44100 -c 2 -b 16 "$home/Music/$1.wav" synth 120 pluck "$2" 2>/dev/null
  lame --quiet "$home/Music/$1.wav" "$home/Music/$1.mp3"
done
printf '[00:00.00]Morning comes\n[00:05.00]over the hills\n' >"$home/Music/Morning.lrc"
printf '[00:00.00]Night falls\n' >"$home/Music/Night.lrc"
# Three long tunes that no publish has seen, for a publish that is stopped:
# twenty minutes each, so that a quiet machine is still at it when Escape
# comes.
for tune in "Dawn 392" "Noon 494" "Dusk 294"; do
  set -- $tune
  sox -n -r 44100 -c 2 -b 16 "$home/Music/$1.wav" synth 1200 pluck "$2" 2>/dev/null
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

# The site to upload to: OpenSSH's server on a free loopback port, in a
# process group of its own, with a throwaway host key and the upload tests'
# throwaway account, which logs in by password.
export upload_account=tunemill-upload upload_password=tunemill-upload-throwaway
id -u "$upload_account" >/dev/null 2>&1 || useradd -M -d / -s /bin/sh "$upload_account"
echo "$upload_account:$upload_password" | chpasswd
chmod 755 "$home"
mkdir -p /run/sshd "$home/sshd" "$home/www/output"
chmod 777 "$home/www/output"
ssh-keygen -q -t ed25519 -N '' -C '' -f "$home/sshd/host_key"
upload_port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
export upload_port upload_folder=$home/www/output
cat >"$home/sshd/config" <<EOF
ListenAddress 127.0.0.1:$upload_port
HostKey $home/sshd/host_key
PidFile none
StrictModes no
PasswordAuthentication yes
KbdInteractiveAuthentication no
UsePAM no
Subsystem sftp internal-sftp
EOF
setsid /usr/sbin/sshd -D -e -f "$home/sshd/config" 2>"$home/sshd/log" &
sshd=$!
# The site's web server, on loopback too, so that the dialog's check of
# what it sent finds the player: the preview server, serving the folder
# uploaded to, which needs a page there before the first upload replaces it.
echo "page" >"$home/www/output/Player.htm"
web_port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
export web_port
setsid "$build/tunemill-publish" --serve --folder "$home/www" --port "$web_port" >/dev/null 2>"$home/web.log" &
web=$!

export HOME=$home XDG_DATA_HOME=$home/.local/share XDG_DOCUMENTS_DIR=$home/Documents
export QTWEBENGINE_DISABLE_SANDBOX=1
# No browser on this screen: Preview shows its address and says so.
export BROWSER=false
walk() {
# Each language uploads to a site with only that page, so that its dialog
# sends.
find "$upload_folder" -mindepth 1 -delete
echo "page" >"$upload_folder/Player.htm"
xvfb-run -a -s "-screen 0 1024x700x24" bash -c '
  set -e
  shots=$1; build=$2; home=$3; next=$4; preview=$5; finish=$6; upload=$7; yes=$8; dialogName=$9
  mkdir -p "$shots"
  # Each language meets the server as unknown, and asks about its key.
  rm -f "$home/.ssh/known_hosts"
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

  # Each field of the upload dialog replaced by what it should hold.
  field() { xdotool key Tab ctrl+a; xdotool type --delay 5 "$1"; }
  # The dialog as it opens (empty in English, the site remembered from it in
  # German), the question about the key, answered Yes, the progress, the end.
  # A film of the user'"'"'s own in the output folder goes up too, and keeps
  # the progress on the screen long enough; the end comes once the manifest,
  # sent last, is on the server, and the check of the site has run.
  uploadPictures() {
    truncate -s 400M "$home/Documents/Tunemill/output/concert.mp4"
    wizardKey alt+a
    xdotool key ctrl+a; xdotool type --delay 5 "http://127.0.0.1:$web_port"
    wizardKey $upload; snap 9-upload 2
    press "$(window "$dialogName")" ctrl+a
    field 127.0.0.1; field "$upload_port"; field "$upload_folder"; field "$upload_account"; field "$upload_password"
    press "$(window "$dialogName")" $upload; snap 10-upload-host-key 2
    press "$(window Tunemill)" $yes; snap 11-upload-progress 1.5
    for wait in $(seq 240); do
      [ -e "$upload_folder/.tunemill-manifest" ] && break
      sleep 0.5
    done
    snap 12-upload-done 4
    press "$(window "$dialogName")" Escape
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
  # Twelve two-minute tunes publish in a few seconds; the page moves on.
  # The progress is taken from the long tunes below.
  wizardKey $next; sleep 15
  wizardKey $preview; snap 5-finish 3
  uploadPictures
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

  # Once more with the long tunes into the folder published first: the
  # progress, then Escape stops the publish, and the folder page says the
  # old player is unchanged.
  {
    printf "<data Folder=\"%s\">" "$home/Documents/Tunemill"
    for name in Dawn Noon Dusk; do
      printf "<item><file text=\"%s\">%s</file></item>" "$name" "$home/Music/$name.mp3"
    done
    printf "</data>"
  } >"$home/.local/share/Tunemill/Songbox.sbx"
  # Nothing of them kept from the other language: each walk converts anew.
  rm -rf "$home/.cache"
  start
  wizardKey $next; sleep 4
  wizardKey $next; sleep 1
  wizardKey $next; snap 4-progress 1
  wizardKey Escape; snap 8-cancelled 3
  wizardKey Escape
  wait $wizard || true
' _ "$1" "$build" "$home" "$2" "$3" "$4" "$5" "$6" "$7"
}
# The language comes from LANG alone.
export LC_ALL= LC_MESSAGES= LANGUAGE=
# Next, Preview, Finish, Upload and Yes by their mnemonics in each language,
# and the upload dialog's caption.
LANG=C.UTF-8 walk "$shots" alt+n alt+p alt+f alt+u alt+y "Upload to your site"
LANG=de_DE.UTF-8 walk "$shots/de" alt+w alt+v alt+s alt+h alt+j "Auf Ihre Website hochladen"
echo "Screenshots in $shots (German in $shots/de)"
for said in "$shots/stderr.txt" "$shots/de/stderr.txt"; do
  if [ -s "$said" ]; then
    echo "The wizard wrote to standard error ($said):" >&2
    cat "$said" >&2
  fi
done
