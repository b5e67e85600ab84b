#!/usr/bin/env bash
# Installs what building, running and testing TAVIK need on Debian 12.
# Only missing packages are installed; nothing the user has is removed or replaced.
set -euo pipefail

packages=(
    # build
    build-essential cmake clang-format python3
    qt6-base-dev qt6-base-dev-tools qt6-speech-dev qt6-declarative-dev
    # run: window system plugins, speech engines, fonts for Chinese and phonetic symbols
    qt6-qpa-plugins qt6-speech-speechd-plugin qt6-speech-flite-plugin
    speech-dispatcher speech-dispatcher-espeak-ng
    fonts-arphic-uming fonts-dejavu-core fonts-liberation
    # tests: a private X server and a pointer driver for the end-to-end journey
    xvfb xauth xdotool
)

installed() {
    [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]
}

# The speech test records a private PulseAudio null sink. Desktops often run PipeWire,
# whose pipewire-pulse conflicts with the pulseaudio package: never replace a sound server.
if ! installed pipewire-pulse && ! installed pulseaudio; then
    packages+=(pulseaudio)
fi
if ! installed pipewire-pulse; then
    packages+=(pulseaudio-utils)
fi

missing=()
for p in "${packages[@]}"; do
    installed "$p" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends --no-remove "${missing[@]}"
