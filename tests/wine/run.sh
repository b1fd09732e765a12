#!/usr/bin/env bash
# Runs the Windows build's tests under Wine, each group in a fresh Wine prefix on a private
# X server: the Qt Test programs (offscreen, as on Linux), then the real program from the zip
# and the installer (e2e.sh).
#   bash tests/wine/run.sh <build folder> <Qt for Windows prefix> <packages folder>
set -uo pipefail
build=${1:?build folder}
qt=${2:?Qt prefix}
packages=${3:?packages folder}
here=$(cd "$(dirname "$0")" && pwd)
triple=x86_64-w64-mingw32
scratch=$(mktemp -d /tmp/hcn-wine.XXXXXX)
export WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
xvfb=
finish() {
  WINEPREFIX=$scratch/unit wineserver -k 2>/dev/null
  WINEPREFIX=$scratch/e2e/prefix wineserver -k 2>/dev/null
  [ -z "$xvfb" ] || kill "$xvfb" 2>/dev/null
  rm -rf "$scratch"
}
trap finish EXIT

windows_path() { printf 'Z:%s' "${1//\//\\}"; }
gcc_dlls=$(dirname "$("$triple-g++-posix" -print-libgcc-file-name)")
failures=0

# The Qt Test programs find Qt and the MinGW runtime in their build locations.
export WINEPREFIX=$scratch/unit
WINEPATH="$(windows_path "$qt/bin");$(windows_path "$gcc_dlls");$(windows_path "/usr/$triple/lib")"
export WINEPATH
# Offscreen, Qt for Windows reads fonts from its own lib/fonts folder only (Wine keeps
# QT_QPA_FONTDIR from it): the families the Linux tests draw with are put there.
mkdir -p "$qt/lib/fonts"
cp -u /usr/share/fonts/truetype/dejavu/*.ttf /usr/share/fonts/truetype/liberation2/*.ttf "$qt/lib/fonts/"
# Wine keeps QT_* variables from its programs, so the platform goes on the command line.
export QT_PLUGIN_PATH="Z:$qt/plugins"
# Wine's window functions want an X server even when Qt draws offscreen.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/display" >"$scratch/xvfb.log" 2>&1 </dev/null &
xvfb=$!
for _ in $(seq 100); do grep -q '[0-9]' "$scratch/display" 2>/dev/null && break; sleep 0.1; done
DISPLAY=":$(tr -d '[:space:]' <"$scratch/display")"
export DISPLAY
wineboot -i >"$scratch/wineboot.log" 2>&1
wineserver -w
while read -r test; do
  name=$(basename "$test" .exe)
  start=$SECONDS
  # Qt Test's report goes to a file: under Wine its standard output reaches no Unix pipe.
  if (cd "$(dirname "$test")" &&
    timeout 300 wine "$test" -platform offscreen -o "$(windows_path "$scratch/$name.txt"),txt" >"$scratch/$name.log" 2>&1); then
    echo "PASS $name ($((SECONDS - start)) s): $(grep -a '^Totals' "$scratch/$name.txt" | tr -d '\r')"
  else
    failures=$((failures + 1))
    echo "FAIL $name ($((SECONDS - start)) s):"
    cat "$scratch/$name.log" "$scratch/$name.txt" 2>/dev/null | tr -d '\r' |
      grep -aE '^(FAIL!|   Loc|   Actual|   Expected|Totals)|failure location|QFATAL' | head -40 | sed 's/^/    /'
  fi
done < <(find "$build/tests" -name 'test_*.exe' | sort)
wineserver -k 2>/dev/null
kill "$xvfb" 2>/dev/null
xvfb=
unset WINEPATH QT_PLUGIN_PATH DISPLAY

# The real program as a user gets it: the zip unpacked in a folder of its own.
mkdir -p "$scratch/e2e/unpacked"
(cd "$scratch/e2e/unpacked" && unzip -q "$packages"/halden-corvane-numerology-*-windows.zip)
start=$SECONDS
if timeout 600 bash "$here/e2e.sh" "$scratch/e2e/unpacked/halden-corvane-numerology" \
  "$build/tests/wine/screenshots" "$build/identity/identity.sh" "$(ls "$packages"/halden-corvane-numerology-*-setup.exe)" \
  "$scratch/e2e"; then
  echo "PASS e2e ($((SECONDS - start)) s)"
else
  failures=$((failures + 1))
  echo "FAIL e2e ($((SECONDS - start)) s)"
fi
echo "Screenshots: $build/tests/wine/screenshots"
[ "$failures" -eq 0 ] || { echo "$failures failed"; exit 1; }
echo "All Windows tests passed"
