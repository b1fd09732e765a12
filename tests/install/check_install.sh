#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks what a desktop and a software centre
# read from it. Usage: check_install.sh <cmake> <build folder> <scratch prefix> <config>
set -uo pipefail
cmake=$1 build=$2 prefix=$3 config=$4
# shellcheck source=/dev/null
source "$build/identity/identity.sh"
id=$HCN_APP_ID program=$HCN_PROGRAM
sizes=(16 32 48 64 256)

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

for tool in desktop-file-validate appstreamcli; do
  command -v "$tool" >/dev/null || {
    echo "FAIL: $tool is missing (Debian packages desktop-file-utils and appstream;" \
         "'bash scripts/setup.sh test' installs them)"
    exit 1
  }
done

rm -rf "$prefix"
# A DESTDIR left in the environment would send the files elsewhere.
if ! env -u DESTDIR "$cmake" --install "$build" --prefix "$prefix" --config "$config" >/dev/null; then
  echo "FAIL: cmake --install into $prefix"
  exit 1
fi

# Exactly these files: anything more (a test program, a static library) would end up in the
# package too.
expected=("bin/$program" "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml"
          "share/icons/hicolor/scalable/apps/$id.svg")
for s in "${sizes[@]}"; do expected+=("share/icons/hicolor/${s}x${s}/apps/$id.png"); done
if ! diff <(printf '%s\n' "${expected[@]}" | sort) \
          <(cd "$prefix" && find . ! -type d | sed 's|^\./||' | sort); then
  fail "installed files differ from the expected list (< expected, > installed)"
fi

exe="$prefix/bin/$program"
[ -f "$exe" ] && [ -x "$exe" ] || fail "$exe is not an executable file"
[ "$(head -c 4 "$exe" 2>/dev/null | od -An -c | tr -d ' ')" = '177ELF' ] ||
  fail "$exe is not a compiled program"

# A PNG's width and height are the two big-endian 32-bit numbers at bytes 16..23.
for s in "${sizes[@]}"; do
  png="$prefix/share/icons/hicolor/${s}x${s}/apps/$id.png"
  [ -f "$png" ] || continue # reported by the file list above
  read -r w h < <(od -An -tu1 -j16 -N8 "$png" |
                  awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' ')" = 89504e470d0a1a0a ] &&
    [ "$w" = "$s" ] && [ "$h" = "$s" ] ||
    fail "$png is not a ${s}x${s} PNG (${w:-?}x${h:-?})"
done
svg="$prefix/share/icons/hicolor/scalable/apps/$id.svg"
[ -f "$svg" ] && grep -q '<svg' "$svg" || fail "$svg is not an SVG image"

desktop="$prefix/share/applications/$id.desktop"
if [ -f "$desktop" ]; then
  out=$(desktop-file-validate "$desktop" 2>&1)
  rc=$?
  [ $rc -eq 0 ] && [ -z "$out" ] || fail "desktop-file-validate (exit $rc): $out"

  # Value of a key in the [Desktop Entry] group.
  entry() {
    awk -v key="$1" '/^\[/ { group = ($0 == "[Desktop Entry]") }
                     group && index($0, key "=") == 1 { print substr($0, length(key) + 2); exit }' \
        "$desktop"
  }
  [ "$(entry Name)" = "$HCN_PRODUCT_NAME" ] || fail "Name is '$(entry Name)'"
  [ "$(entry Icon)" = "$id" ] || fail "Icon is '$(entry Icon)', not the installed icons' name $id"
  [ "$(entry Terminal)" = false ] || fail "Terminal is '$(entry Terminal)'"
  [ -n "$(entry Categories)" ] || fail "Categories is missing; menus would file the entry under Other"
  for key in Exec TryExec; do
    value=$(entry "$key")
    command=${value%% *} # field codes may follow the program
    # A bare name is found on PATH wherever the package puts bin/; a path fixed at configure
    # time would be wrong for a package built with another prefix.
    case $command in
      "") fail "$key is missing" ;;
      */*) fail "$key names a path ('$command'), not the program on PATH" ;;
      *) [ -x "$prefix/bin/$command" ] && [ -f "$prefix/bin/$command" ] ||
           fail "$key names '$command', which is not the installed program in bin/" ;;
    esac
  done
fi

metainfo="$prefix/share/metainfo/$id.metainfo.xml"
if [ -f "$metainfo" ]; then
  out=$(appstreamcli validate --no-net "$metainfo" 2>&1)
  rc=$?
  [ $rc -eq 0 ] || fail "appstreamcli validate (exit $rc): $out"
  grep -q "<id>$id</id>" "$metainfo" || fail "metainfo id is not $id"
  # Software centres need these, yet the validator lets their absence through.
  for element in '<project_license>[^<]+</project_license>' \
                 '<content_rating type="oars-1\.1"' \
                 '<screenshot( [^>]*)?>' '<image>https?://[^<]+</image>'; do
    grep -Eq "$element" "$metainfo" || fail "metainfo lacks $element"
  done
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
    fail "metainfo launchable does not name the installed $id.desktop"
fi

if [ $failures -gt 0 ]; then
  echo "$failures check(s) failed; installed tree left in $prefix"
  exit 1
fi
echo "install into $prefix: all checks passed"
