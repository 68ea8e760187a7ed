#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Lexiwren authors
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs those of the Debian packages named that are not installed yet, with
# apt-get, through sudo unless run as root. When every one is installed it
# does nothing, and asks for no rights: after `make deps` has run once as root
# (or with sudo), any user builds and tests without either.
#   tools/install-missing.sh PACKAGE...
set -eu

missing=""
for package in "$@"; do
    dpkg-query -W -f='${Status}\n' "$package" 2>/dev/null | grep -q 'install ok installed' ||
        missing="$missing $package"
done
[ -n "$missing" ] || exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "These Debian packages are missing, and installing them needs root rights:$missing" >&2
        echo "Run 'make deps' once as root (for instance: su -c 'make deps'), then try again." >&2
        exit 1
    fi
    sudo=sudo
fi
echo "Installing:$missing"
# sudo drops most of the environment, so the frontend is set on its far side.
$sudo apt-get update -qq
# shellcheck disable=SC2086 # one word per package
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq $missing
