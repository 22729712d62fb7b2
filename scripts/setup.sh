#!/bin/sh
# Installs the Debian packages the build, the tests and the tools need.
# Idempotent and quiet when everything is already present.
set -e
PKGS="cmake make g++ pkg-config qt6-base-dev libgl-dev libgtest-dev libgmock-dev \
libbenchmark-dev clang-format fonts-liberation fontconfig xvfb xauth python3 clang libclang-rt-14-dev emf2svg \
qt6-svg-dev poppler-utils librsvg2-bin xdotool xclip imagemagick x11-utils xdg-utils \
qt6-translations-l10n shared-mime-info desktop-file-utils locales \
appstream man-db groff-base dpkg-dev git \
qt6-tools-dev qt6-l10n-tools qt6-tools-dev-tools gerbv"
missing=""
for p in $PKGS; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" \
        || missing="$missing $p"
done
[ -z "$missing" ] && exit 0
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing:$missing"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends $missing >/dev/null
