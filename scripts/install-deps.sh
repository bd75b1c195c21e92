#!/usr/bin/env bash
# Installs, from Debian's packages, whatever the build, the tests and the program need and
# this machine lacks. Safe to run again: it installs nothing that is already there.
set -euo pipefail

# qt6-tools-dev and qt6-l10n-tools: the build compiles the translations (lrelease), and
# scripts/update-translations.sh reads the texts out of the sources (lupdate).
# qt6-translations-l10n: Qt's own dialogs and buttons in the language the program speaks.
# libxkbcommon-dev: Qt's configuration looks for it and, without it, prints a "Could NOT
# find XKB" line that reads like an error. appstream and desktop-file-utils: the tests check
# the software-centre file and the desktop entries with them.
packages=(
    cmake g++ make procps
    qt6-base-dev qt6-base-dev-tools libqt6printsupport6 qt6-qpa-plugins libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    libxkbcommon-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    fonts-dejavu-core fonts-liberation2
    clang-format git
    appstream desktop-file-utils
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -q
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
