# Harness for the end-to-end scenarios: a private X server (or a desktop compositor with
# XWayland), the real program, keyboard input through xdotool and screenshots of single
# windows. Sourced by each scenario with
#   source lib.sh <program> <screenshot folder> <identity file>
# where the identity file is the build's identity/identity.sh (name, title, page address).
# Every wait is bounded, and the EXIT trap takes down whatever was started here.

set -euo pipefail

# shellcheck disable=SC2034 # the scenarios use these
{
    E2E_APP=${1:?program path}
    E2E_OUT=${2:?screenshot folder}
    # shellcheck source=/dev/null
    source "${3:?identity file}"
    E2E_PAGE_SCRIPT=$HCN_PAGE_SCRIPT_ADDRESS
    E2E_NAME=$(basename "$0" .sh)
    # The main and chart windows share this title; the message boxes carry the bare name.
    TITLE_WINDOW="^${HCN_WINDOW_TITLE//./\\.}\$"
    TITLE_MESSAGE="^${HCN_PRODUCT_NAME//./\\.}\$"
    MAIN_WIDTH=482 MAIN_HEIGHT=306
    CHART_WIDTH=651 CHART_HEIGHT=440
    FAREWELL_WIDTH=741 FAREWELL_HEIGHT=315
}

E2E_TMP=
# The display server: Xvfb, or the compositor that runs XWayland (start_compositor).
DISPLAY_PID=
DISPLAY_BUS_PID= # the compositor's session bus, stopped after it
APP_PID=
# A scenario may add NAME=value pairs to the program's otherwise clean environment, and the ids
# of helper processes it starts (a message bus and the like); cleanup stops the helpers, the
# last started first, after the program and before the X server.
E2E_APP_ENV=()
E2E_HELPER_PIDS=()
# The caller's sanitizer settings (the sanitizer build's test run sets them: suppressions,
# exit codes) reach the program as well; without them it keeps the sanitizers' defaults. Qt is
# built without frame pointers, where the quick unwinder stops: the program's leak reports get
# whole stacks, which the suppressions are matched against.
E2E_SANITIZER_ENV=()
for E2E_SANITIZER_VAR in ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS ASAN_SYMBOLIZER_PATH; do
    if [ -n "${!E2E_SANITIZER_VAR:-}" ]; then
        E2E_SANITIZER_VALUE=${!E2E_SANITIZER_VAR}
        [ "$E2E_SANITIZER_VAR" != ASAN_OPTIONS ] || E2E_SANITIZER_VALUE+=:fast_unwind_on_malloc=0
        E2E_SANITIZER_ENV+=("$E2E_SANITIZER_VAR=$E2E_SANITIZER_VALUE")
    fi
done
unset E2E_SANITIZER_VAR E2E_SANITIZER_VALUE
# Names a scenario takes out of the program's clean environment (HOME, XDG_RUNTIME_DIR...).
E2E_APP_UNSET=()

fail() {
    echo "FAIL [$E2E_NAME]: $*" >&2
    exit 1
}

ok() { echo "ok - $*"; }

for tool in Xvfb xdotool xwininfo import convert; do
    command -v "$tool" >/dev/null ||
        fail "'$tool' is not installed; the e2e tests need the packages xvfb xdotool x11-utils imagemagick"
done
[ -x "$E2E_APP" ] || fail "no program at $E2E_APP"
mkdir -p "$E2E_OUT"
rm -f "$E2E_OUT/failure-$E2E_NAME.png"

# forget_screenshots <file...>: a failed run must not leave an older run's pictures behind.
forget_screenshots() {
    local file
    for file in "$@"; do rm -f "$E2E_OUT/$file"; done
}

stop_pid() {
    local pid=$1 tries=0
    kill -0 "$pid" 2>/dev/null || return 0
    kill -TERM "$pid" 2>/dev/null || true
    while kill -0 "$pid" 2>/dev/null && ! is_zombie "$pid" && [ $tries -lt 30 ]; do
        sleep 0.1
        tries=$((tries + 1))
    done
    kill -KILL "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
}

cleanup() {
    local status=$?
    trap - EXIT INT TERM
    if [ $status -ne 0 ] && [ -n "${DISPLAY:-}" ] && [ -n "$DISPLAY_PID" ]; then
        # XWayland has no picture of its root window to give.
        if import -window root "$E2E_OUT/failure-$E2E_NAME.png" 2>/dev/null; then
            echo "screen at the failure: $E2E_OUT/failure-$E2E_NAME.png" >&2
        fi
        [ -s "$E2E_TMP/app.err" ] && { echo "--- program stderr:" >&2; cat "$E2E_TMP/app.err" >&2; }
    fi
    [ -n "$APP_PID" ] && stop_pid "$APP_PID"
    local i
    for ((i = ${#E2E_HELPER_PIDS[@]} - 1; i >= 0; i--)); do stop_pid "${E2E_HELPER_PIDS[i]}"; done
    [ -n "$DISPLAY_PID" ] && stop_pid "$DISPLAY_PID" && forget_x_locks "$DISPLAY_PID"
    [ -n "$DISPLAY_BUS_PID" ] && stop_pid "$DISPLAY_BUS_PID"
    [ -n "$E2E_TMP" ] && rm -rf "$E2E_TMP"
    exit $status
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

is_zombie() {
    local state
    state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) || return 1
    [ "$state" = Z ]
}

# wait_until <seconds> <what> <command...>: polls the command until it succeeds.
wait_until() {
    local seconds=$1 what=$2
    shift 2
    local deadline=$((SECONDS + seconds))
    until "$@"; do
        [ $SECONDS -lt $deadline ] || fail "timed out after ${seconds}s waiting for $what"
        sleep 0.1
    done
}

# The test's folder: a home, a runtime folder and a browser that only writes addresses down.
make_test_folder() {
    E2E_TMP=$(mktemp -d /tmp/hcn-e2e.XXXXXX)
    mkdir -p "$E2E_TMP/home/.config" "$E2E_TMP/home/.cache" "$E2E_TMP/home/.local/share" "$E2E_TMP/runtime"
    chmod 0700 "$E2E_TMP/runtime"
    # Links end up with xdg-open, which hands them to $BROWSER; this one only writes them down.
    # shellcheck disable=SC2016 # "$1" belongs to the recorder
    printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\n' "$E2E_TMP/browser.log" >"$E2E_TMP/browser"
    chmod +x "$E2E_TMP/browser"
    : >"$E2E_TMP/browser.log"
}

start_x() {
    make_test_folder
    # -displayfd picks a free display and writes its number once the server takes clients.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset \
        3>"$E2E_TMP/display" >"$E2E_TMP/xvfb.log" 2>&1 </dev/null &
    DISPLAY_PID=$!
    wait_until 15 "Xvfb to start (log: $(cat "$E2E_TMP/xvfb.log" 2>/dev/null))" display_ready
    DISPLAY=":$(tr -d '[:space:]' <"$E2E_TMP/display")"
    export DISPLAY
}

display_ready() {
    kill -0 "$DISPLAY_PID" 2>/dev/null || fail "Xvfb quit: $(cat "$E2E_TMP/xvfb.log")"
    grep -q '[0-9]' "$E2E_TMP/display" 2>/dev/null
}

# start_compositor: a desktop session in place of a bare X server: GNOME's compositor, mutter,
# headless on one virtual monitor of Xvfb's size, on a session bus of its own, with XWayland.
# Exports DISPLAY and XAUTHORITY (XWayland's) and sets WAYLAND_DISPLAY (a socket in the test's
# runtime folder, which the program shares). The scenario checks first that mutter is there.
start_compositor() {
    make_test_folder
    make_x_socket_folder
    COMPOSITOR_ENV=(PATH="$PATH" LANG=C.UTF-8 HOME="$E2E_TMP/home"
        XDG_CONFIG_HOME="$E2E_TMP/home/.config" XDG_CACHE_HOME="$E2E_TMP/home/.cache"
        XDG_DATA_HOME="$E2E_TMP/home/.local/share" XDG_RUNTIME_DIR="$E2E_TMP/runtime"
        GSETTINGS_BACKEND=memory)
    env -i "${COMPOSITOR_ENV[@]}" dbus-daemon --session --address="unix:path=$E2E_TMP/session-bus" \
        --nofork --nopidfile --print-address=1 \
        >"$E2E_TMP/session-bus.address" 2>"$E2E_TMP/dbus.log" </dev/null &
    DISPLAY_BUS_PID=$!
    wait_until 10 "the session bus (log: $(cat "$E2E_TMP/dbus.log" 2>/dev/null))" \
        grep -q . "$E2E_TMP/session-bus.address"
    COMPOSITOR_ENV+=(DBUS_SESSION_BUS_ADDRESS="$(head -n 1 "$E2E_TMP/session-bus.address")")

    WAYLAND_DISPLAY=hcn-wayland
    local options=(--headless --virtual-monitor 1024x768 --wayland-display "$WAYLAND_DISPLAY")
    # mutter 43 (Debian 12) is an X11 window manager unless told --wayland; later ones are
    # Wayland compositors only and may no longer know the option.
    local usage
    usage=$(mutter --help 2>&1)
    if [[ $usage == *"--wayland  "* ]]; then
        options=(--wayland "${options[@]}")
    fi
    env -i "${COMPOSITOR_ENV[@]}" mutter "${options[@]}" \
        >"$E2E_TMP/compositor.log" 2>&1 </dev/null &
    DISPLAY_PID=$!
    wait_until 30 "the compositor and XWayland (log: $(cat "$E2E_TMP/compositor.log"))" \
        compositor_ready
    export DISPLAY XAUTHORITY
    wait_until 15 "XWayland to take clients (log: $(cat "$E2E_TMP/compositor.log"))" x_ready
}

x_ready() { xprop -root _NET_SUPPORTING_WM_CHECK >/dev/null 2>&1; }

compositor_ready() {
    kill -0 "$DISPLAY_PID" 2>/dev/null || fail "the compositor quit: $(cat "$E2E_TMP/compositor.log")"
    [ -S "$E2E_TMP/runtime/$WAYLAND_DISPLAY" ] || return 1
    DISPLAY=$(sed -n 's/.*Using public X11 display \(:[0-9]*\).*/\1/p' "$E2E_TMP/compositor.log")
    XAUTHORITY=$(find "$E2E_TMP/runtime" -maxdepth 1 -name '.mutter-Xwaylandauth.*' -print -quit)
    [ -n "$DISPLAY" ] && [ -n "$XAUTHORITY" ]
}

# The X servers' socket folder with its usual mode, 1777: mutter refuses one that others
# cannot write to, and when there is none it makes one with the mode our umask leaves (1755),
# which it then refuses.
make_x_socket_folder() {
    local folder=/tmp/.X11-unix
    [ -d "$folder" ] || mkdir -m 1777 "$folder" 2>/dev/null || [ -d "$folder" ] ||
        fail "cannot make $folder"
    [ "$(stat -c %a "$folder")" = 1777 ] && return 0
    [ "$(stat -c %u "$folder")" = 0 ] && [ "$(id -u)" = 0 ] ||
        fail "$folder has mode $(stat -c %a "$folder"); mutter needs 1777 (chmod 1777 $folder)"
    chmod 1777 "$folder"
}

# forget_x_locks <pid>: the display locks and sockets that a stopped server left behind.
forget_x_locks() {
    local lock number
    for lock in /tmp/.X*-lock; do
        [ -f "$lock" ] && [ "$(tr -d '[:space:]' <"$lock")" = "$1" ] || continue
        number=${lock#/tmp/.X}
        number=${number%-lock}
        rm -f "$lock" "/tmp/.X11-unix/X$number"
    done
}

# A clean environment: nothing from the caller's desktop or from CTest (which runs the
# other tests offscreen) reaches the program.
start_app() {
    local defaults=(PATH="$PATH" DISPLAY="$DISPLAY" LANG=C.UTF-8 QT_QPA_PLATFORM=xcb
        HOME="$E2E_TMP/home" XDG_CONFIG_HOME="$E2E_TMP/home/.config"
        XDG_CACHE_HOME="$E2E_TMP/home/.cache" XDG_DATA_HOME="$E2E_TMP/home/.local/share"
        XDG_RUNTIME_DIR="$E2E_TMP/runtime" BROWSER="$E2E_TMP/browser")
    local environment=() pair name
    for pair in "${defaults[@]}"; do
        for name in "${E2E_APP_UNSET[@]}"; do
            [ "${pair%%=*}" != "$name" ] || continue 2
        done
        environment+=("$pair")
    done
    env -i "${environment[@]}" "${E2E_SANITIZER_ENV[@]}" "${E2E_APP_ENV[@]}" \
        "$E2E_APP" >>"$E2E_TMP/app.out" 2>>"$E2E_TMP/app.err" </dev/null &
    APP_PID=$!
}

app_gone() { ! kill -0 "$APP_PID" 2>/dev/null || is_zombie "$APP_PID"; }

# expect_app_exit <seconds>: the program ends by itself, with status 0. Every program
# start appends its output to the same two files.
expect_app_exit() {
    wait_until "$1" "the program to end" app_gone
    local status=0
    wait "$APP_PID" || status=$?
    APP_PID=
    [ $status -eq 0 ] || fail "the program ended with status $status"
}

# Qt warnings and the like count as faults: a clean run says nothing.
expect_quiet_app() {
    [ ! -s "$E2E_TMP/app.err" ] || fail "the program wrote to stderr: $(cat "$E2E_TMP/app.err")"
    [ ! -s "$E2E_TMP/app.out" ] || fail "the program wrote to stdout: $(cat "$E2E_TMP/app.out")"
}

# visible_windows <title regex> [client width]: ids of mapped windows, one a line.
visible_windows() {
    local id
    for id in $(xdotool search --onlyvisible --name "$1" 2>/dev/null || true); do
        if [ -z "${2:-}" ] || [ "$(window_width "$id")" = "$2" ]; then
            echo "$id"
        fi
    done
}

window_width() { xwininfo -id "$1" 2>/dev/null | awk '/^ *Width:/ {print $2}'; }
window_height() { xwininfo -id "$1" 2>/dev/null | awk '/^ *Height:/ {print $2}'; }
window_shown() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
window_hidden() { ! window_shown "$1"; }

# Menus are the program's override-redirect windows (no title to search for), found by the
# class name of the program's windows; a harness whose windows are named otherwise sets it.
E2E_WINDOW_CLASS="^${HCN_PROGRAM//./\\.}\$"
popup_windows() {
    local id
    for id in $(xdotool search --onlyvisible --classname "$E2E_WINDOW_CLASS" 2>/dev/null || true); do
        xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes' && echo "$id"
    done
    return 0
}
popup_open() { [ -n "$(popup_windows)" ]; }
no_popup() { [ -z "$(popup_windows)" ]; }

one_window() { [ "$(visible_windows "$@" | wc -l)" -eq 1 ]; }
no_window() { [ -z "$(visible_windows "$@")" ]; }

# wait_window <what> <title regex> [client width]: echoes the id of the one such window.
wait_window() {
    local what=$1
    shift
    wait_until 10 "$what" one_window "$@"
    visible_windows "$@"
}

wait_closed() { wait_until 10 "$2 to close" window_hidden "$1"; }

expect_shown() { window_shown "$1" || fail "$2 is no longer shown"; }
expect_no_window() { no_window "${@:2}" || fail "unexpected $1 on screen"; }

# Explicit input focus: with no window manager, Qt only treats a window as active (menu
# access keys, default buttons) once the X server gives it the focus.
focus() {
    xdotool windowfocus "$1"
    wait_until 5 "window $1 to take the focus" has_focus "$1"
}
has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$1" ]; }

keys() { xdotool key --delay 40 "$@"; }
type_text() { xdotool type --delay 40 "$1"; }

# Keeps the pointer off every window so hover effects never reach a screenshot.
park_pointer() { xdotool mousemove 0 0; }

# open_menu_item <window> <menu access key> <item access key>
open_menu_item() {
    focus "$1"
    keys "alt+$2"
    wait_until 10 "the alt+$2 menu to open" popup_open
    keys "$3"
    wait_until 10 "the menu to close" no_popup
}

# shoot <window> <file> [previous file]: a screenshot once painting has settled; with a
# previous file, only one that differs from it (the window has reacted to the last input).
shoot() {
    local id=$1 file=$2 previous=${3:-} last="$E2E_TMP/last.png" deadline=$((SECONDS + 10))
    rm -f "$last"
    while :; do
        import -window "$id" "$file" 2>"$E2E_TMP/import.err" || fail "screenshot of window $id: $(cat "$E2E_TMP/import.err")"
        if [ -f "$last" ] && cmp -s "$file" "$last" &&
            { [ -z "$previous" ] || ! same_image "$file" "$previous"; }; then
            return 0
        fi
        [ $SECONDS -lt $deadline ] || fail "window $id did not settle on a new picture for $file"
        cp "$file" "$last"
        sleep 0.15
    done
}

# colour_count <image> <RRGGBB> [crop geometry]: pixels of exactly that colour.
colour_count() {
    local crop=()
    [ -n "${3:-}" ] && crop=(-crop "$3" +repage)
    convert "$1" -alpha off -depth 8 "${crop[@]}" -format %c histogram:info:- |
        awk -v hex="#$2" 'toupper($3) == toupper(hex) {n = $1 + 0} END {print n + 0}'
}

expect_colour() {
    local n
    n=$(colour_count "$1" "$2" "${4:-}")
    [ "$n" -gt 0 ] || fail "$(basename "$1") has no #$2 pixels ($3)"
}

expect_no_colour() {
    local n
    n=$(colour_count "$1" "$2" "${4:-}")
    [ "$n" -eq 0 ] || fail "$(basename "$1") has $n #$2 pixels ($3)"
}

# same_image <a> <b> [crop geometry]: identical pixels (in the cropped region).
same_image() {
    local crop=()
    [ -n "${3:-}" ] && crop=(-crop "$3" +repage)
    [ "$(convert "$1" "${crop[@]}" -alpha off -depth 8 rgb:- | md5sum)" = \
        "$(convert "$2" "${crop[@]}" -alpha off -depth 8 rgb:- | md5sum)" ]
}

# text_lines <image>: the lines of dark text in a message box's picture, counted as bands of
# rows with dark pixels in the text's columns (right of the icon, left of the buttons, which
# the platform puts at the right).
text_lines() {
    local w h
    w=$(convert "$1" -format %w info:) h=$(convert "$1" -format %h info:)
    convert "$1" -crop "$((w / 5))x$h+$((w * 3 / 10))+0" +repage -colorspace Gray \
        -threshold 40% -negate -scale "1x$h!" -depth 8 txt:- |
        awk -F': ' 'NR > 1 {ink = ($2 !~ /^\(0[,)]/); if (ink && !inside) n++; inside = ink}
                    END {print n + 0}'
}

# expect_size <window> <what> <client width> <client height> [menu bar]: with a menu bar
# the window is taller by it, whose height depends on the font.
expect_size() {
    local w h
    w=$(window_width "$1") h=$(window_height "$1")
    if [ "${5:-}" = menu ]; then
        if [ "$w" -ne "$3" ] || [ "$h" -le $(($4 + 10)) ] || [ "$h" -gt $(($4 + 40)) ]; then
            fail "$2 is ${w}x${h}; expected ${3}x${4} plus a menu bar"
        fi
    elif [ "$w" -ne "$3" ] || [ "$h" -ne "$4" ]; then
        fail "$2 is ${w}x${h}; expected ${3}x${4}"
    fi
}

menu_bar_height() { echo $(($(window_height "$1") - $2)); }

# keyboard_reading <main window> <name> <day> <month's first letters> <year>: a reading asked
# for from the keyboard alone; echoes the chart window's id once the main window has gone.
keyboard_reading() {
    focus "$1"
    type_text "$2"
    keys Tab Tab Tab # past the reading button and the hidden open button, to the day list
    type_text "$3"
    keys Tab
    type_text "$4"
    keys Tab
    type_text "$5"
    keys Tab Tab space # round to the name field and on to the reading button
    wait_closed "$1" "the main window"
    wait_window "the chart window" "$TITLE_WINDOW" $CHART_WIDTH
}

# shift_codes <text> <amount>: every character's code moved by the amount, the order reversed;
# with 7 it is how the settings store scrambles, with -7 how it reads back.
shift_codes() {
    local text=$1 out= i code
    for ((i = ${#text} - 1; i >= 0; i--)); do
        printf -v code '%d' "'${text:i:1}"
        printf -v code '%03o' $((code + $2))
        printf -v code "\\$code"
        out+=$code
    done
    printf '%s' "$out"
}

browser_lines() { wc -l <"$E2E_TMP/browser.log"; }
browser_called() { [ "$(browser_lines)" -gt 0 ]; }
