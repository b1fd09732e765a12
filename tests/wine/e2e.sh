#!/usr/bin/env bash
# The real Windows program under Wine, driven from the keyboard like the Linux end-to-end
# tests (whose harness it shares): start, a reading, the about window, one copy per user, the
# reminder date scrambled in the registry, Exit through the farewell window; then the
# installer, the installed program and the uninstaller.
#   bash e2e.sh <folder of the unpacked zip> <screenshot folder> <identity file> <setup.exe>
#               <scratch folder, removed by the caller>
set -euo pipefail
folder=${1:?program folder}
setup=${4:?installer}
WINE_TMP=${5:?scratch folder}
export WINEPREFIX=$WINE_TMP/prefix WINEARCH=win64 WINEDEBUG=-all
# No offer to fetch Wine's Mono or Gecko into the fresh prefix.
export WINEDLLOVERRIDES="mscoree=;mshtml="
# shellcheck source=/dev/null # the build's identity file; lib.sh reads it as well
source "${3:?identity file}"
# lib.sh starts the program with a clean environment; Wine's own settings go through.
printf '#!/bin/sh\nexec wine "%s" "$@"\n' "$folder/$HCN_PROGRAM.exe" >"$WINE_TMP/program"
chmod +x "$WINE_TMP/program"
# shellcheck source=../e2e/lib.sh
source "$(dirname "$0")/../e2e/lib.sh" "$WINE_TMP/program" "${@:2:2}"
# shellcheck disable=SC2034 # read by lib.sh
E2E_APP_ENV=(WINEPREFIX="$WINEPREFIX" WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="$WINEDLLOVERRIDES"
    LANG=en_US.UTF-8)
forget_screenshots wine-main.png wine-about.png wine-chart.png wine-already-running.png wine-farewell.png

# Wine names its windows' class after the .exe; its menus are override-redirect windows too.
# shellcheck disable=SC2034 # read by lib.sh
E2E_WINDOW_CLASS="^${HCN_PROGRAM//./\\.}\\.exe\$"

wine_env() { env WINEPREFIX="$WINEPREFIX" WINEDEBUG=-all DISPLAY="$DISPLAY" "$@"; }
SETTINGS_KEY="HKCU\\Software\\$HCN_PROGRAM"
# "Duration" as the store writes it: each code shifted up by 7, reversed.
VALUE_NAME=$(shift_codes Duration 7)
# The stored reminder date as the registry holds it (scrambled).
stored_value() {
    wine_env wine reg query "$SETTINGS_KEY\\Settings" /v "$VALUE_NAME" 2>/dev/null | tr -d '\r' |
        awk -v name="$VALUE_NAME" '$1 == name && $2 == "REG_SZ" {sub(/^ *[^ ]+ +REG_SZ +/, ""); print}'
}

# The lines of text in a screenshot, read by OCR: Wine offers no accessibility bridge to ask
# the widgets, as the Linux tests do.
screen_text() {
    convert "$1" -resize 300% -colorspace Gray "$E2E_TMP/ocr.png"
    tesseract "$E2E_TMP/ocr.png" - --psm 11 2>/dev/null
}

start_x
openbox >"$E2E_TMP/openbox.log" 2>&1 &
E2E_HELPER_PIDS+=($!)
wine_env wineboot -i >"$E2E_TMP/wineboot.log" 2>&1
wine_env wineserver -w
ok "a fresh Wine prefix in $WINEPREFIX"

start_app
first=$APP_PID
main=$(wait_window "the main window" "$TITLE_WINDOW" "$MAIN_WIDTH")
expect_no_window "message box" "$TITLE_MESSAGE"
park_pointer
shoot "$main" "$E2E_OUT/wine-main.png"
expect_colour "$E2E_OUT/wine-main.png" 000080 "navy frames"
ok "the program starts from the unpacked zip and shows the main window"

stored=$(stored_value)
[ -n "$stored" ] || fail "no reminder date in the registry: $(wine_env wine reg query "$SETTINGS_KEY" /s 2>&1)"
today=$(shift_codes "$stored" -7)
[[ "$today" =~ ^[0-9]{1,2}/[0-9]{1,2}/$(date +%Y)$ ]] || fail "the registry holds '$stored', which reads '$today'"
[ "$stored" != "$today" ] || fail "the reminder date is stored plain: $today"
wine_env wine reg query "$SETTINGS_KEY" /s 2>/dev/null | grep -q OrganizationDefaults &&
    fail "the settings sit below OrganizationDefaults"
ok "the first start stores today ($today) scrambled in $SETTINGS_KEY\\Settings"

start_app
box=$(wait_window "the already-running message" "$TITLE_MESSAGE")
park_pointer
shoot "$box" "$E2E_OUT/wine-already-running.png"
[ "$(visible_windows "$TITLE_WINDOW")" = "$main" ] || fail "the second copy opened a window of its own"
focus "$box"
keys Return
expect_app_exit 20
APP_PID=$first
kill -0 "$first" || fail "the first copy ended with the second"
expect_shown "$main" "the first copy's main window"
ok "a second start says 'Application is already running' and ends with status 0; the first stays"

open_menu_item "$main" h a
about=$(wait_window "the about window" "$TITLE_WINDOW" 466)
park_pointer
shoot "$about" "$E2E_OUT/wine-about.png"
expect_colour "$E2E_OUT/wine-about.png" 808080 "grey background"
expect_colour "$E2E_OUT/wine-about.png" 00C000 "green title"
focus "$about"
keys Escape
wait_closed "$about" "the about window"
ok "Help > About Software opens the about window; Escape closes it"

chart=$(keyboard_reading "$main" "Ann Lee" 15 Au 1985)
park_pointer
shoot "$chart" "$E2E_OUT/wine-chart.png"
expect_colour "$E2E_OUT/wine-chart.png" 800080 "Path row"
expect_colour "$E2E_OUT/wine-chart.png" 0000C0 "Soul row"
expect_colour "$E2E_OUT/wine-chart.png" FF0000 "Gift row, 4 for 1985"
text=$(screen_text "$E2E_OUT/wine-chart.png")
for line in "Halden Corvane Numerology Chart for Ann Lee" "Path 10" "Soul 6" "Knowledge 5" "Gift 4" "Karma 8"; do
    grep -qxF "$line" <<<"$text" || fail "the chart does not show '$line'; it reads: $(head -c 600 <<<"$text")"
done
ok "a reading for Ann Lee, 15 August 1985, shows the chart titled for her, numbers 10, 6, 5, 4 and 8"

# The focus starts on the chart's Exit; closing the chart brings the farewell window.
focus "$chart"
keys space
farewell=$(wait_window "the farewell window" "$TITLE_WINDOW" "$FAREWELL_WIDTH")
park_pointer
shoot "$farewell" "$E2E_OUT/wine-farewell.png"
expect_colour "$E2E_OUT/wine-farewell.png" 000080 "navy frames"
expect_colour "$E2E_OUT/wine-farewell.png" FFFF00 "yellow catalogue link"
focus "$farewell"
keys alt+x
expect_app_exit 20
ok "Exit shows the farewell window; Alt+X there ends the program with status 0"

# The installer, silently, for this user only.
programs="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Local/Programs/$HCN_PRODUCT_NAME"
shortcut="$WINEPREFIX/drive_c/users/$(id -un)/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Halden Corvane Numerology.lnk"
wine_env wine "$setup" /S >>"$E2E_TMP/app.out" 2>&1 || fail "the installer ended with status $?"
wine_env wineserver -w
[ -x "$programs/$HCN_PROGRAM.exe" ] || fail "nothing installed in $programs"
[ -e "$programs/platforms/qwindows.dll" ] || fail "no platform plugin installed"
[ -e "$shortcut" ] || fail "no Start-menu entry"
ok "the installer installs silently into the user's programs folder, with a Start-menu entry"

printf '#!/bin/sh\nexec wine "%s" "$@"\n' "$programs/$HCN_PROGRAM.exe" >"$WINE_TMP/program"
start_app
main=$(wait_window "the installed program's main window" "$TITLE_WINDOW" "$MAIN_WIDTH")
open_menu_item "$main" f x
farewell=$(wait_window "the farewell window" "$TITLE_WINDOW" "$FAREWELL_WIDTH")
focus "$farewell"
keys alt+x
expect_app_exit 20
ok "the installed program starts and ends with status 0"

wine_env wine "$programs/uninstall.exe" /S >>"$E2E_TMP/app.out" 2>&1 || fail "the uninstaller ended with status $?"
wine_env wineserver -w
wait_until 20 "the uninstaller to remove the program folder" test ! -e "$programs"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is still there"
wine_env wine reg query "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$HCN_PROGRAM" \
    >/dev/null 2>&1 && fail "the uninstall entry is still in the registry"
ok "the uninstaller removes the program, its Start-menu entry and its uninstall entry"
