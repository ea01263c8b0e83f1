#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests, the screenshots and the package
# checks need, when missing.
set -euo pipefail
pkgs=(cmake ninja-build g++ libgtest-dev qt6-base-dev qt6-serialport-dev fonts-noto-cjk xvfb xauth)
# Qt's own dialogs (file dialog, buttons) in Chinese.
pkgs+=(qt6-translations-l10n)
# The Debian package: its icons, its checks (scripts/check-package).
pkgs+=(librsvg2-bin dpkg-dev file lintian man-db desktop-file-utils appstream bash-completion)
# The report test reads the PDF's text layer back (pdftotext); the report's Chinese comes
# from a font whose glyphs each map back to one character.
pkgs+=(poppler-utils fonts-wqy-microhei)
# readelf, with which scripts/check-package reads the programs' hardening.
pkgs+=(binutils)
missing=()
for p in "${pkgs[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo_cmd=""
[ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
$sudo_cmd apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
