#!/usr/bin/env bash
# Installs the Debian 12 packages that are missing: with no argument what building and running the
# program need; with --test also the tools the test suite uses (tools/test.sh passes it).
set -euo pipefail
packages=(
    build-essential cmake ninja-build pkg-config
    qtbase5-dev qttools5-dev qttools5-dev-tools libqt5serialport5-dev libqt5sql5-sqlite
    libquazip1-qt5-dev libfreexl-dev libxlsxwriter-dev libzint-dev
    qttranslations5-l10n fonts-wqy-microhei
)
if [ "${1:-}" = "--test" ]; then
    packages+=(
        socat clang libclang-rt-14-dev clang-format
        zbar-tools poppler-utils libreoffice-calc-nogui desktop-file-utils appstream dpkg-dev lintian
        xvfb xauth python3 systemd
    )
fi
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -ne 0 ] && SUDO=sudo
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
