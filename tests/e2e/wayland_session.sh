# The program in a Wayland desktop session, started as a desktop starts it: GNOME's compositor
# (mutter) with XWayland, WAYLAND_DISPLAY and DISPLAY set, no QT_QPA_PLATFORM. It comes up on
# XWayland, the about window opens over the main window, the browser it starts gets no platform
# choice of ours, and the farewell window stays above a window opened after it. Without the
# compositor the scenario is skipped (status 77), saying so.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"
SKIP=77
for tool in mutter Xwayland; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: '$tool' is not installed; this scenario needs the packages mutter and xwayland"
        exit $SKIP
    fi
done
for tool in xprop xmessage dbus-daemon; do
    command -v "$tool" >/dev/null || fail "'$tool' is not installed; install x11-utils and dbus"
done
forget_screenshots wayland-main.png wayland-about.png wayland-farewell.png

# x_id <id>: a window id as a number, whether xdotool's decimal or xprop's hexadecimal.
x_id() { echo $(($1)); }

# stacking_place <window>: its place in the window manager's stacking order, bottom first.
stacking_place() {
    local ids place=0 id
    ids=$(xprop -root _NET_CLIENT_LIST_STACKING | sed 's/^[^#]*#//; s/,/ /g')
    for id in $ids; do
        [ "$(x_id "$id")" = "$(x_id "$1")" ] && {
            echo $place
            return 0
        }
        place=$((place + 1))
    done
    fail "window $1 is not in the stacking order: $ids"
}

# geometry <window>: "x y width height" of its client area on the screen.
geometry() {
    xwininfo -id "$1" | awk '/Absolute upper-left X:/ {x = $4} /Absolute upper-left Y:/ {y = $4}
        /^ *Width:/ {w = $2} /^ *Height:/ {h = $2} END {print x, y, w, h}'
}

start_compositor
# This browser also writes down the platform choice it was handed, if any.
# shellcheck disable=SC2016 # the variables belong to the recorder
printf '#!/bin/sh\nprintf "%%s %%s\\n" "$1" "${QT_QPA_PLATFORM-(unset)}" >>"%s"\n' \
    "$E2E_TMP/browser.log" >"$E2E_TMP/browser"
E2E_APP_UNSET=(QT_QPA_PLATFORM)
E2E_APP_ENV=(WAYLAND_DISPLAY="$WAYLAND_DISPLAY" XDG_SESSION_TYPE=wayland XAUTHORITY="$XAUTHORITY")
start_app

main=$(wait_window "the main window on XWayland" "$TITLE_WINDOW" $MAIN_WIDTH)
owner=$(xprop -id "$main" _NET_WM_PID | awk '{print $3}')
[ "$owner" = "$APP_PID" ] || fail "the main window belongs to process '$owner', not to the program ($APP_PID)"
plugins=$(grep -o 'platforms/lib[a-z-]*\.so' "/proc/$APP_PID/maps" | sort -u | tr '\n' ' ')
[[ $plugins == *libqxcb.so* && $plugins != *wayland* ]] ||
    fail "the program runs on the platform plugins '$plugins', not on xcb alone"
park_pointer
shoot "$main" "$E2E_OUT/wayland-main.png"
expect_colour "$E2E_OUT/wayland-main.png" 000080 "caption text"
ok "in the Wayland session the program comes up on XWayland (xcb), its main window painted"

open_menu_item "$main" h a
about=$(wait_window "the about window" "$TITLE_WINDOW" 466)
transient=$(xprop -id "$about" WM_TRANSIENT_FOR | awk '{print $NF}')
[ "$(x_id "$transient")" = "$(x_id "$main")" ] ||
    fail "the about window is transient for '$transient', not for the main window ($main)"
read -r mx my mw mh <<<"$(geometry "$main")"
read -r ax ay aw ah <<<"$(geometry "$about")"
cx=$((ax + aw / 2)) cy=$((ay + ah / 2))
[ $cx -ge "$mx" ] && [ $cx -lt $((mx + mw)) ] && [ $cy -ge "$my" ] && [ $cy -lt $((my + mh)) ] ||
    fail "the about window (${aw}x${ah}+$ax+$ay) does not stand over the main window (${mw}x${mh}+$mx+$my)"
[ "$(stacking_place "$about")" -gt "$(stacking_place "$main")" ] ||
    fail "the about window is stacked below the main window"
shoot "$about" "$E2E_OUT/wayland-about.png"
expect_colour "$E2E_OUT/wayland-about.png" 00C000 "green title"
focus "$about"
keys Escape
wait_closed "$about" "the about window"
ok "Help > About opens the about window over the main window (${aw}x${ah}+$ax+$ay over ${mw}x${mh}+$mx+$my), transient for it"

open_menu_item "$main" h o
wait_until 10 "the browser to be called" browser_called
[ "$(cat "$E2E_TMP/browser.log")" = "$E2E_PAGE_SCRIPT?page=help-web-page (unset)" ] ||
    fail "the browser was called as '$(cat "$E2E_TMP/browser.log")'"
ok "the browser gets the help page and no QT_QPA_PLATFORM from the program"

open_menu_item "$main" f x
farewell=$(wait_window "the farewell window" "$TITLE_WINDOW" $FAREWELL_WIDTH)
state=$(xprop -id "$farewell" _NET_WM_STATE)
[[ $state == *_NET_WM_STATE_ABOVE* ]] || fail "the farewell window does not ask to stay above: $state"
park_pointer
shoot "$farewell" "$E2E_OUT/wayland-farewell.png"
expect_colour "$E2E_OUT/wayland-farewell.png" 000080 "navy frames"

# A window of another program, opened after the farewell window over the whole screen and
# then activated, as a browser opened from it would be.
env -i PATH="$PATH" DISPLAY="$DISPLAY" XAUTHORITY="$XAUTHORITY" \
    xmessage -name hcn-cover -geometry 1024x768+0+0 "A window opened after the farewell window" \
    >"$E2E_TMP/cover.log" 2>&1 </dev/null &
E2E_HELPER_PIDS+=($!)
cover_shown() { [ -n "$(xdotool search --onlyvisible --classname '^hcn-cover$' 2>/dev/null)" ]; }
wait_until 10 "the other program's window (log: $(cat "$E2E_TMP/cover.log"))" cover_shown
cover=$(xdotool search --onlyvisible --classname '^hcn-cover$' | head -n 1)
xdotool windowactivate "$cover"
wait_until 10 "the other program's window to take the focus" has_focus "$cover"
sleep 0.5 # the window manager restacks after the activation
[ "$(stacking_place "$farewell")" -gt "$(stacking_place "$cover")" ] ||
    fail "the farewell window went below the window opened after it: $(xprop -root _NET_CLIENT_LIST_STACKING)"
expect_shown "$farewell" "the farewell window"
ok "the farewell window stays above another program's window opened and activated after it"

focus "$farewell"
keys alt+x
expect_app_exit 10
ok "Alt+X in the farewell window ends the program with status 0"

expect_quiet_app
