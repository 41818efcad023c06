#!/bin/sh
# Installs every Debian package Plotvane needs to build, test and run.
# Does nothing when all of them are present already.
set -eu

PACKAGES="build-essential cmake ninja-build ccache pkg-config
qt6-base-dev qt6-base-dev-tools qt6-svg-dev qt6-image-formats-plugins libqt6svg6
libgtest-dev libgmock-dev libbenchmark-dev
fonts-liberation2 fonts-ipafont-gothic xvfb xauth
librsvg2-bin poppler-utils qt6-translations-l10n zlib1g-dev"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -z "$missing" ]; then
    exit 0
fi

if [ "$(id -u)" -eq 0 ]; then
    SUDO=""
else
    SUDO="sudo"
fi

echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -q
# shellcheck disable=SC2086
$SUDO apt-get install -y -q --no-install-recommends $missing
