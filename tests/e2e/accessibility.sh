# The program as a screen reader meets it: every control of the main, chart and farewell
# windows found by role and name on the accessibility bus (AT-SPI), a link followed through its
# press action, and a whole reading done from the keyboard and read back through the bus.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

HERE=$(cd "$(dirname "$0")" && pwd)
TEXTS="$HERE/../../engine/texts"

for tool in dbus-daemon dbus-send; do
    command -v "$tool" >/dev/null || fail "'$tool' is not installed; install the package dbus"
done
SPI_LAUNCHER=/usr/libexec/at-spi-bus-launcher
[ -x "$SPI_LAUNCHER" ] || fail "no $SPI_LAUNCHER; install the package at-spi2-core"
# The bindings come with the system's interpreter, which need not be the first on PATH.
PYTHON=
for candidate in /usr/bin/python3 "$(command -v python3 || true)"; do
    if [ -x "$candidate" ] && "$candidate" -c 'import pyatspi' 2>/dev/null; then
        PYTHON=$candidate
        break
    fi
done
[ -n "$PYTHON" ] || fail "no python3 can import pyatspi; install the package python3-pyatspi"

SESSION_BUS=

# The helpers get as clean an environment as the program: nothing of a desktop session.
clean_env() {
    CLEAN_ENV=(PATH="$PATH" DISPLAY="$DISPLAY" LANG=C.UTF-8 HOME="$E2E_TMP/home"
        XDG_RUNTIME_DIR="$E2E_TMP/runtime" GSETTINGS_BACKEND=memory)
    [ -z "$SESSION_BUS" ] || CLEAN_ENV+=(DBUS_SESSION_BUS_ADDRESS="$SESSION_BUS")
}

helper_env() {
    clean_env
    env -i "${CLEAN_ENV[@]}" "$@"
}

# start_helper <stdout file> <stderr file> <command...>: in the background, as the very
# process whose id is recorded (env execs the command), so that cleanup stops the helper itself.
start_helper() {
    local out=$1 err=$2
    shift 2
    clean_env
    env -i "${CLEAN_ENV[@]}" "$@" >"$out" 2>"$err" </dev/null &
    E2E_HELPER_PIDS+=($!)
}

# A private session bus, with the accessibility bus launched on it straight away (and marked
# enabled) as a desktop session would; the registry daemon is started by that bus on demand.
start_buses() {
    start_helper "$E2E_TMP/session-bus.address" "$E2E_TMP/dbus.log" \
        dbus-daemon --session --address="unix:path=$E2E_TMP/session-bus" --nofork --nopidfile \
        --print-address=1
    wait_until 10 "the session bus (log: $(cat "$E2E_TMP/dbus.log" 2>/dev/null))" \
        grep -q . "$E2E_TMP/session-bus.address"
    SESSION_BUS=$(head -n 1 "$E2E_TMP/session-bus.address")

    start_helper "$E2E_TMP/at-spi.log" "$E2E_TMP/at-spi.err" \
        "$SPI_LAUNCHER" --launch-immediately --a11y=1
    wait_until 10 "the accessibility bus (log: $(cat "$E2E_TMP/at-spi.err" 2>/dev/null))" \
        accessibility_bus_ready
}

accessibility_bus_ready() {
    helper_env dbus-send --session --print-reply --reply-timeout=1000 --dest=org.a11y.Bus \
        /org/a11y/bus org.a11y.Bus.GetAddress >"$E2E_TMP/a11y-bus.reply" 2>/dev/null
}

# a11y_bus_call <method> [argument...]: a call to the accessibility bus daemon itself.
a11y_bus_call() {
    local address
    address=$(sed -n 's/^ *string "\(.*\)"$/\1/p' "$E2E_TMP/a11y-bus.reply")
    helper_env dbus-send --bus="$address" --print-reply --reply-timeout=5000 \
        --dest=org.freedesktop.DBus / "org.freedesktop.DBus.$1" "${@:2}"
}

# The accessibility bus's own daemon is a child of the launcher, and the registry daemon is
# started by that bus and stays no one's child; the registry is started here, and both ids are
# asked of the bus, so that cleanup stops them too should the launcher not take them down.
start_registry() {
    local name pid
    a11y_bus_call StartServiceByName string:org.a11y.atspi.Registry uint32:0 >/dev/null ||
        fail "the accessibility bus did not start its registry daemon"
    for name in org.freedesktop.DBus org.a11y.atspi.Registry; do
        pid=$(a11y_bus_call GetConnectionUnixProcessID "string:$name" | awk '/uint32/ {print $2}')
        [ -n "$pid" ] || fail "the accessibility bus did not tell the process id of $name"
        E2E_HELPER_PIDS+=("$pid")
    done
}

# screen_reader <step> [argument]: one step of accessibility.py; bounded inside, and here too.
screen_reader() {
    helper_env HCN_PROGRAM="$HCN_PROGRAM" HCN_WINDOW_TITLE="$HCN_WINDOW_TITLE" \
        timeout -k 2 40 "$PYTHON" "$HERE/accessibility.py" "$APP_PID" "$@" ||
        fail "the accessibility bus shows a fault (step $1, see above)"
}

start_x
start_buses
start_registry
E2E_APP_ENV=(DBUS_SESSION_BUS_ADDRESS="$SESSION_BUS" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1)
start_app

main=$(wait_window "the main window" "$TITLE_WINDOW" $MAIN_WIDTH)
focus "$main"
screen_reader main
wait_until 10 "the browser to be called" browser_called
sleep 0.5 # a second, late call would be a fault too
[ "$(cat "$E2E_TMP/browser.log")" = "$E2E_PAGE_SCRIPT?page=home-page" ] ||
    fail "the forum link's press action opened '$(cat "$E2E_TMP/browser.log")'"
expect_shown "$main" "the main window"
ok "the main window's controls are named; pressing the forum link opens the home page once"

chart=$(keyboard_reading "$main" "Ann Lee" 15 Au 1985)
focus "$chart"
screen_reader chart "$TEXTS"
ok "a reading done from the keyboard reads back its numbers and paragraphs"

keys Tab Tab space # from Exit past Back to the Comprehensive Reading button
screen_reader reading "$TEXTS"

keys shift+Tab shift+Tab space # back past Back to Exit
wait_closed "$chart" "the chart window"
farewell=$(wait_window "the farewell window" "$TITLE_WINDOW" $FAREWELL_WIDTH)
focus "$farewell"
screen_reader farewell
ok "the farewell window's controls are named"

keys Return # Exit holds the focus
expect_app_exit 10
expect_quiet_app
ok "the program ends with status 0 and says nothing on stderr with the accessibility bus on"
