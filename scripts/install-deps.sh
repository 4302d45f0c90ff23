#!/usr/bin/env bash
# Installs the Debian packages and npm packages the build and the tests
# need. Idempotent: when everything is present it only checks and returns.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  zlib1g-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev
  lame libmp3lame-dev libmpg123-dev mpg123 ffmpeg flac sox time strace
  libxxhash-dev
  libsndfile1-dev libflac-dev libtag1-dev
  libpugixml-dev
  portaudio19-dev
  libmicrohttpd-dev
  qt6-base-dev qt6-webengine-dev qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libcli11-dev
  xvfb xdotool x11-utils imagemagick xdg-utils
  desktop-file-utils dpkg-dev lintian appstream
  help2man groff-base man-db bash-completion
  chromium
  brotli apache2
  libcurl4-openssl-dev libssl-dev openssh-server openssh-client vsftpd
  qtkeychain-qt6-dev libsecret-1-0 gnome-keyring dbus
)

missing=()
# Node.js comes with the machine; Debian's packages only when it does not.
command -v npm >/dev/null || packages+=(nodejs npm)
for package in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" \
    || missing+=("$package")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  # Services such as apache2 are started by the tests that need them, on
  # loopback: none starts during the install (policy-rc.d's 101 says so).
  policy=/usr/sbin/policy-rc.d
  if [ ! -e "$policy" ]; then
    "${sudo_cmd[@]}" sh -c "printf '#!/bin/sh\\nexit 101\\n' > $policy && chmod 755 $policy"
    trap '"${sudo_cmd[@]}" rm -f "$policy"' EXIT
  fi
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# The SWF runtime and the browser driver, at the versions package-lock.json
# pins; only when they are not there yet. npm's own copy of the lock file
# differs from ours, so a copy of ours marks an install that finished:
# installing again would make the build compress the runtime again.
cd "$(dirname "$0")/.."
installed=node_modules/.tunemill-package-lock.json
if ! cmp -s package-lock.json "$installed" 2>/dev/null; then
  npm ci --no-audit --no-fund
  cp package-lock.json "$installed"
fi
