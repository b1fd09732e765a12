#!/usr/bin/env bash
# Builds, packages and tests the Windows program from this Debian machine (as root):
# MinGW-w64 cross compiler, Qt built once from Debian's own Qt source into a cache outside
# the repository, a zip and an NSIS installer, and the tests under Wine on a private X server.
#   HCN_WINDOWS_CACHE   where Qt for Windows is built and kept (/var/cache/hcn-windows-qt)
#   HCN_WINDOWS_BUILD   the program's build folder (build-windows)
# Stages can be picked: bash scripts/windows.sh [install] [qt] [build] [package] [test]
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
root=$PWD

cache=${HCN_WINDOWS_CACHE:-/var/cache/hcn-windows-qt}
qt=$cache/qt
build=$root/${HCN_WINDOWS_BUILD:-build-windows}
out=$build/packages
triple=x86_64-w64-mingw32
stages=("$@")
[ ${#stages[@]} -gt 0 ] || stages=(install qt build package test)

wanted() {
  local s
  for s in "${stages[@]}"; do [ "$s" = "$1" ] && return 0; done
  return 1
}
times=()
stage() { # stage <name> <function>: runs it and notes how long it took
  local start=$SECONDS
  echo "== $1"
  "$2"
  times+=("$(printf '%-8s %5d s' "$1" $((SECONDS - start)))")
  echo "== $1 took $((SECONDS - start)) s"
}

install_tools() {
  local packages=(build-essential cmake ninja-build qt6-base-dev qt6-base-dev-tools
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools
    binutils-mingw-w64-x86-64 dpkg-dev icoutils zip unzip nsis wine wine64 xvfb xdotool x11-utils
    openbox imagemagick tesseract-ocr tesseract-ocr-eng fonts-dejavu-core fonts-liberation2)
  local missing=() p
  for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  # Qt's source comes from the same Debian archive the machine installs from.
  if [ ! -e "$qt/lib/cmake/Qt6/Qt6Config.cmake" ] && ! grep -rqs '^Types: deb-src' /etc/apt/sources.list.d/ &&
    ! grep -qs '^deb-src' /etc/apt/sources.list; then
    sed -n '/^Types: deb$/,/^$/p' /etc/apt/sources.list.d/debian.sources | sed '/^Types:/s/deb/deb-src/' |
      grep -v security >/etc/apt/sources.list.d/hcn-deb-src.sources
    missing+=(dpkg-dev)
  fi
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
  fi
}

# Qt 6.4.2 for win32-g++ with its bundled libraries; the host tools are Debian's own in /usr.
build_qt() {
  if [ -e "$qt/lib/cmake/Qt6/Qt6Config.cmake" ] && [ -e "$qt/plugins/platforms/qwindows.dll" ]; then
    echo "Qt for Windows is already in $qt"
    return
  fi
  mkdir -p "$cache/src" "$cache/build"
  if [ ! -d "$cache/src/qtbase" ]; then
    (cd "$cache/src" && apt-get source -qq --download-only qt6-base &&
      dpkg-source -x qt6-base_*.dsc qtbase)
  fi
  # wintab.h is missing from Debian's source, hence no tablet events.
  (cd "$cache/build" || exit 1
    nice -n 19 "$cache/src/qtbase/configure" -prefix "$qt" -xplatform win32-g++ -qt-host-path /usr \
      -release -no-opengl -no-dbus -no-feature-sql -no-feature-network -no-feature-tabletevent \
      -qt-zlib -qt-libpng -qt-pcre -qt-freetype -qt-harfbuzz -no-feature-jpeg \
      -nomake examples -nomake tests -- \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" \
      -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake >configure.log 2>&1 ||
    { tail -40 configure.log; exit 1; })
  nice -n 19 cmake --build "$cache/build" --parallel 2
  nice -n 19 cmake --install "$cache/build" >/dev/null
}

# The Qt tests of the engine, the services and the windows (offscreen, as on Linux); the settings
# test is the registry's.
windows_tests=(test_chart test_interpretations test_reading test_settings_registry test_links
  test_import test_refer_friend test_chart_window test_main_window test_about test_farewell
  test_exit_flow test_appearance)

build_program() {
  nice -n 19 cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64.cmake" -DHCN_WINDOWS_QT="$qt" \
    -DCMAKE_PREFIX_PATH="$qt" -DQT_HOST_PATH=/usr -DBUILD_TESTING=ON >/dev/null
  nice -n 19 cmake --build "$build" --parallel 2 --target halden-corvane-numerology "${windows_tests[@]}"
}

# Where the DLLs a Windows program names are found; anything else is Windows' own.
dll_folders() {
  echo "$qt/bin"
  dirname "$("$triple-g++-posix" -print-libgcc-file-name)"
  echo "/usr/$triple/lib"
}
find_dll() {
  local folder
  while read -r folder; do
    [ -e "$folder/$1" ] && { echo "$folder/$1"; return 0; }
  done < <(dll_folders)
  return 1
}
# dependencies <file...>: every DLL the files load, followed through the DLLs we ship.
dependencies() {
  local queue=("$@") seen=" " file name path
  while [ ${#queue[@]} -gt 0 ]; do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r name; do
      case "$seen" in *" $name "*) continue ;; esac
      seen+="$name "
      if path=$(find_dll "$name"); then
        echo "$path"
        queue+=("$path")
      fi
    done < <("$triple-objdump" -p "$file" | awk '/DLL Name:/ {print $3}')
  done
}

package() {
  # The name, program id and version, as the build wrote them out.
  # shellcheck source=/dev/null
  source "$build/identity/identity.sh"
  local program=$HCN_PROGRAM version=$HCN_VERSION
  local stage=$out/$program
  rm -rf "$out"
  mkdir -p "$stage/platforms"
  cp "$build/$program.exe" "$stage/"
  cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
  # The Windows style is built into Qt's widgets library, so no styles folder is needed.
  local dll
  while read -r dll; do cp "$dll" "$stage/"; done < <(dependencies "$stage/$program.exe" "$stage/platforms/qwindows.dll" | sort -u)
  "$triple-strip" --strip-unneeded "$stage"/*.exe "$stage"/*.dll "$stage"/platforms/*.dll
  echo "Shipped:"
  (cd "$stage" && find . -type f | sort | sed 's/^\.\//  /')
  echo "Windows' own DLLs it loads:"
  for dll in "$stage"/*.exe "$stage"/*.dll "$stage"/platforms/*.dll; do
    "$triple-objdump" -p "$dll" | awk '/DLL Name:/ {print $3}'
  done | sort -u | while read -r dll; do [ -e "$stage/$dll" ] || echo "  $dll"; done
  (cd "$out" && zip -qr9 "$program-$version-windows.zip" "$program")
  cp "$build/resources/windows/$program.ico" "$stage/"
  makensis -V2 -WX -DNAME="$HCN_PRODUCT_NAME" -DPROGRAM="$program" -DVERSION="$version" \
    -DSTAGE="$stage" -DOUTFILE="$out/$program-$version-setup.exe" packaging/windows/installer.nsi
  rm "$stage/$program.ico"
  ls -l "$out"/*.zip "$out"/*.exe
}

run_tests() {
  bash tests/wine/run.sh "$build" "$qt" "$out"
}

wanted install && stage install install_tools
wanted qt && stage qt build_qt
wanted build && stage build build_program
wanted package && stage package package
wanted test && stage test run_tests
echo "Stage times:"
printf '  %s\n' "${times[@]}"
