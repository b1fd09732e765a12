#!/usr/bin/env bash
# Installs what the build needs (Debian 12, as root) and builds into ./build.
# Sourced by start.sh and test.sh; $1 says whether the test tools are wanted too.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

# qt6-wayland: Qt's native Wayland platform, for a Wayland session without XWayland.
packages=(build-essential cmake qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins qt6-wayland
          libgl-dev xdg-utils fonts-dejavu-core fonts-liberation2)
if [ "${1:-}" = test ]; then
  # The real program under Xvfb, and in a Wayland session of GNOME's compositor with XWayland;
  # the validators of the installed desktop files; a screen reader's view of the program
  # through the accessibility bus; clang with libFuzzer's runtime (only recommended by clang)
  # and LLVM's symbolizer for the fuzz targets.
  packages+=(xvfb xdotool x11-utils imagemagick mutter xwayland desktop-file-utils appstream
             dbus at-spi2-core python3-pyatspi clang libclang-rt-dev llvm)
fi
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
if [ "${1:-}" = test ]; then
  cmake --build build -j"$(nproc)"
else
  cmake --build build -j"$(nproc)" --target halden-corvane-numerology # the program alone
fi
