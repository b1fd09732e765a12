# Bad environments, a table of them on one X server, the program started afresh for each row:
# it starts (or refuses with a message), keeps what the user types, never waits on anything
# broken, and ends through File > Exit and the farewell window with status 0.
# shellcheck source=lib.sh
source "$(dirname "$0")/lib.sh"

PROGRAM=$(basename "$E2E_APP")
USER_NAME=$(id -un)
LOCK_NAME="$PROGRAM-$USER_NAME.lock"
KEY='uvp%7Bhy%7CK' # "Duration" as the store writes it
HELP_URL="$E2E_PAGE_SCRIPT?page=help-web-page"
HOME_URL="$E2E_PAGE_SCRIPT?page=home-page"
# Without a home Qt would put the store here; as root nothing stops it from being written.
ROOT_STORE="/.config/$PROGRAM.conf"

PURPLE=800080 # Path row of the chart
RED=FF0000    # Gift row, 4 for 1985

# The harness's fail, naming the row as well.
fail() {
    echo "FAIL [$E2E_NAME${ROW_NAME:+, row $ROW_NAME}]: $*" >&2
    exit 1
}

start_x
HOME_DIR="$E2E_TMP/home"
SETTINGS="$HOME_DIR/.config/$PROGRAM.conf"
RUNTIME="$E2E_TMP/runtime"
SCRATCH="$E2E_TMP/scratch" # TMPDIR: Qt's fallbacks stay inside the test's folder
ROW="$E2E_TMP/row"         # whatever one row makes
BLOCKER="$ROW/blocker"     # a regular file where a folder is wanted
REFERENCE="$E2E_TMP/chart-clean.png"

# What a row's arrange_<name> may change; reset before every row.
reset_row() {
    rm -rf "$HOME_DIR" "$RUNTIME" "$SCRATCH" "$ROW"
    mkdir -p "$HOME_DIR/.config" "$HOME_DIR/.cache" "$HOME_DIR/.local/share" "$RUNTIME" "$SCRATCH" "$ROW"
    chmod 0700 "$RUNTIME"
    printf 'not a folder\n' >"$BLOCKER"
    # A launcher started by the last row may still hold the old files open: move them aside.
    mv -f "$E2E_TMP/app.err" "$E2E_TMP/app.err.before" 2>/dev/null || true
    mv -f "$E2E_TMP/app.out" "$E2E_TMP/app.out.before" 2>/dev/null || true
    : >"$E2E_TMP/app.err"
    : >"$E2E_TMP/app.out"
    : >"$E2E_TMP/browser.log"
    E2E_APP_ENV=(USER="$USER_NAME" TMPDIR="$SCRATCH")
    # shellcheck disable=SC2034 # start_app reads it
    E2E_APP_UNSET=()
    REMINDER=''                         # 1: the update question comes first, answered No
    LINK='' LINK_URL=''                 # a Help menu entry (access key) used first, and its page
    LAUNCHER_LOG="$E2E_TMP/browser.log" # where that page must arrive
    LOCK_DIR=$RUNTIME                   # where the running program's lock must be; "-": nowhere
    SECOND_COPY=''                      # 1: a second start must be refused while the first runs
    STDERR=()                           # the exact lines allowed: Qt's or the launcher's, not ours
    STDERR_QT=()                        # Qt's lines that some of its versions print, each at most
                                        # as often as listed (later versions stay silent)
}

# The reminder date as stored, unscrambled; the file quotes a value with blanks or "=".
stored_date() {
    shift_codes "$(LC_ALL=C sed -n "s/^$KEY=\"\{0,1\}\([^\"]*\)\"\{0,1\}\$/\1/p" "$SETTINGS" 2>/dev/null)" -7
}
expect_today_stored() {
    [ "$(stored_date)" = "$TODAY" ] || fail "the store holds '$(stored_date)' instead of today ($TODAY)"
}
# store_date <plain date> <shift>: the reminder date scrambled with the given shift.
store_date() { printf '[Settings]\n%s="%s"\n' "$KEY" "$(shift_codes "$1" "$2")" >"$SETTINGS"; }

# Every byte value sixteen times over, in a fixed order: line breaks, "=", "[" and NULs included.
garbage_bytes() {
    local escapes='' byte i
    for ((i = 0; i < 4096; i++)); do
        printf -v byte '\\0%03o' $(((i * 167 + 13) % 256))
        escapes+=$byte
    done
    printf '%b' "$escapes"
}

no_settings_file() { [ -z "$(find "$E2E_TMP" -name '*.conf' -print -quit)" ]; }

# recorder <file> <status>: a command that writes its argument down, then ends with the status.
recorder() {
    : >"$ROW/launcher.log"
    # shellcheck disable=SC2016 # "$1" belongs to the recorder
    printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\nexit %s\n' "$ROW/launcher.log" "$2" >"$1"
    chmod +x "$1"
    LAUNCHER_LOG="$ROW/launcher.log"
}

# A process that is surely gone: started and killed here.
dead_pid() {
    sleep 30 >/dev/null 2>&1 &
    local pid=$!
    kill -KILL "$pid"
    wait "$pid" 2>/dev/null || true
    echo "$pid"
}

# stop_helper <pid>: a helper of this row, stopped now and no longer left to the cleanup.
stop_helper() {
    local kept=() pid
    stop_pid "$1"
    for pid in "${E2E_HELPER_PIDS[@]}"; do [ "$pid" = "$1" ] || kept+=("$pid"); done
    E2E_HELPER_PIDS=("${kept[@]}")
}

# plant_lock <pid>: the lock a run of the program wrote (kept by the clean row), naming the pid.
plant_lock() { sed "1s/.*/$1/" "$E2E_TMP/lock-sample" >"$RUNTIME/$LOCK_NAME"; }

# ---- the rows -----------------------------------------------------------------------------------

arrange_clean() { :; }
check_clean() {
    TODAY=$(stored_date)
    [ -n "$TODAY" ] || fail "a clean first start stored no date: $(cat "$SETTINGS" 2>/dev/null)"
    # A year back, on the 1st so that no month is too short for it.
    OLD_DATE=$(echo "$TODAY" | sed 's/^[0-9]*/1/; s/[0-9]\{4\}$//')$((${TODAY: -4} - 1))
}

arrange_config_below_file() { E2E_APP_ENV+=(XDG_CONFIG_HOME="$BLOCKER/config"); }
check_config_below_file() {
    [ "$(cat "$BLOCKER")" = "not a folder" ] || fail "the file in the way was changed"
    no_settings_file || fail "a settings file appeared: $(find "$E2E_TMP" -name '*.conf')"
}

arrange_config_is_folder() { mkdir "$SETTINGS"; }
check_config_is_folder() {
    if [ ! -d "$SETTINGS" ] || [ -n "$(ls -A "$SETTINGS")" ]; then
        fail "the folder in the settings file's place was changed"
    fi
}

arrange_garbage_bytes() { garbage_bytes >"$SETTINGS"; }
check_garbage_bytes() { expect_today_stored; }

# The damaged line leaves the date readable: a year-old date still brings the question.
arrange_line_without_equals() {
    store_date "$OLD_DATE" 7
    sed -i '1a this line has no equals sign' "$SETTINGS"
    REMINDER=1
}
check_line_without_equals() { expect_today_stored; }

# Two megabytes for the date: far beyond any date, so it counts as unreadable.
arrange_huge_line() {
    {
        printf '[Settings]\n%s=' "$KEY"
        head -c 2000000 /dev/zero | tr '\0' q
        printf '\n'
    } >"$SETTINGS"
}
check_huge_line() { expect_today_stored; }

# A year-old date shifted by 8 instead of 7 reads as garbage: a first start, no question.
arrange_other_offset() { store_date "$OLD_DATE" 8; }
check_other_offset() { expect_today_stored; }

arrange_no_home() {
    # shellcheck disable=SC2034 # start_app reads it
    E2E_APP_UNSET=(HOME XDG_CONFIG_HOME)
    ROOT_STORE_BEFORE=$(stat -c '%Y %s' "$ROOT_STORE" 2>/dev/null || echo none)
    ROOT_CONFIG_BEFORE=$([ -e /.config ] && echo yes || echo no)
}
during_no_home() {
    [ "$(stat -c '%Y %s' "$ROOT_STORE" 2>/dev/null || echo none)" = "$ROOT_STORE_BEFORE" ] && return
    # Written by this run: take it away again before saying so.
    [ "$ROOT_STORE_BEFORE" != none ] || rm -f "$ROOT_STORE"
    [ "$ROOT_CONFIG_BEFORE" = yes ] || rmdir /.config 2>/dev/null || true
    fail "without a home the program wrote $ROOT_STORE"
}
check_no_home() { no_settings_file || fail "a settings file appeared: $(find "$E2E_TMP" -name '*.conf')"; }

# Qt makes the missing folder (its parent exists) and the lock goes there.
arrange_runtime_missing() {
    E2E_APP_ENV+=(XDG_RUNTIME_DIR="$ROW/runtime-gone")
    LOCK_DIR="$ROW/runtime-gone"
}

# Qt says so once, and uses a folder of its own in the temp folder.
arrange_runtime_unset() {
    # shellcheck disable=SC2034 # start_app reads it
    E2E_APP_UNSET=(XDG_RUNTIME_DIR)
    LOCK_DIR="$SCRATCH/runtime-$USER_NAME"
    STDERR_QT=("QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '$LOCK_DIR'")
}

# The real xdg-open tries the failing browser and then complains, on the stderr it was given.
arrange_browser_fails() {
    recorder "$ROW/browser" 1
    E2E_APP_ENV+=(BROWSER="$ROW/browser")
    LINK=o LINK_URL=$HELP_URL
    STDERR=("xdg-open: no method available for opening '$HELP_URL'")
}

arrange_launcher_fails() {
    mkdir "$ROW/bin"
    recorder "$ROW/bin/xdg-open" 4
    E2E_APP_ENV+=(PATH="$ROW/bin:$PATH")
    LINK=o LINK_URL=$HELP_URL
}

# A browser that does not come back until the test lets it: the program must not wait for it.
arrange_browser_hangs() {
    : >"$ROW/launcher.log"
    # shellcheck disable=SC2016 # $1, $$ and $i belong to the browser
    printf '#!/bin/sh\nprintf "%%s\\n" "$1" >>"%s"\necho $$ >"%s"\ni=0\nwhile [ ! -e "%s" ] && [ $i -lt 300 ]; do sleep 0.1; i=$((i + 1)); done\n' \
        "$ROW/launcher.log" "$ROW/browser.pid" "$ROW/release" >"$ROW/browser"
    chmod +x "$ROW/browser"
    E2E_APP_ENV+=(BROWSER="$ROW/browser")
    LAUNCHER_LOG="$ROW/launcher.log"
    LINK=v LINK_URL=$HOME_URL
}
during_browser_hangs() {
    wait_until 10 "the browser to start" test -s "$ROW/browser.pid"
    HUNG_BROWSER=$(cat "$ROW/browser.pid")
    E2E_HELPER_PIDS+=("$HUNG_BROWSER")
}
check_browser_hangs() {
    kill -0 "$HUNG_BROWSER" 2>/dev/null || fail "the browser ended before the test let it"
    touch "$ROW/release"
    wait_until 10 "the browser to end" process_gone "$HUNG_BROWSER"
    stop_helper "$HUNG_BROWSER"
}
process_gone() { ! kill -0 "$1" 2>/dev/null; }

arrange_stale_dead_pid() { plant_lock "$(dead_pid)"; }

# The recorded number now belongs to another program (numbers are reused, after a reboot too).
arrange_stale_other_program() {
    sleep 30 >/dev/null 2>&1 &
    OTHER_PROGRAM=$!
    E2E_HELPER_PIDS+=("$OTHER_PROGRAM")
    plant_lock "$OTHER_PROGRAM"
}
check_stale_other_program() {
    kill -0 "$OTHER_PROGRAM" || fail "the program whose number the lock held was stopped"
    stop_helper "$OTHER_PROGRAM"
}

# What a power cut right after the start can leave: the lock file made, its text never written.
arrange_stale_empty() { : >"$RUNTIME/$LOCK_NAME"; }
# The same state while a copy runs (it holds the file open) must still keep a second copy out.
during_stale_empty() {
    : >"$RUNTIME/$LOCK_NAME"
    expect_second_copy_refused "$MAIN"
}

# Qt 6.4 says so once per start (6.8 says nothing) and falls back to a folder in the temp
# folder; one copy still runs.
arrange_lock_folder_below_file() {
    E2E_APP_ENV+=(XDG_RUNTIME_DIR="$BLOCKER/runtime")
    LOCK_DIR="$SCRATCH/runtime-$USER_NAME"
    SECOND_COPY=1
    local line="QStandardPaths: error creating runtime directory '$BLOCKER/runtime' (Not a directory)"
    STDERR_QT=("$line" "$line")
}

# Not even the temp folder is a folder: no lock can be made, and that is no reason not to start.
arrange_no_lock_folder() {
    E2E_APP_ENV+=(XDG_RUNTIME_DIR="$BLOCKER/runtime" TMPDIR="$BLOCKER")
    LOCK_DIR=-
    STDERR_QT=("QStandardPaths: error creating runtime directory '$BLOCKER/runtime' (Not a directory)"
        "QStandardPaths: error creating runtime directory '$BLOCKER/runtime-$USER_NAME' (Not a directory)")
}

ROWS=(
    "clean|nothing broken: no question, today stored, nothing said"
    "config_below_file|XDG_CONFIG_HOME below a regular file: no store, no question"
    "config_is_folder|a folder where the settings file belongs: no question, the folder left alone"
    "garbage_bytes|a settings file of binary garbage: a first start, today stored"
    "line_without_equals|a line without '=' next to a year-old date: the question still comes"
    "huge_line|a two-megabyte line for the date: a first start, today stored"
    "other_offset|a date scrambled with 8 instead of 7: a first start, today stored"
    "no_home|HOME and XDG_CONFIG_HOME unset: no store, nothing written into /"
    "runtime_missing|XDG_RUNTIME_DIR naming a missing folder: the lock goes there"
    "runtime_unset|XDG_RUNTIME_DIR unset: at most Qt's one warning, the lock in the temp folder"
    "browser_fails|a browser that fails: the link is tried, the program goes on"
    "launcher_fails|an xdg-open that fails: the link is tried, the program goes on"
    "browser_hangs|a browser that never returns: the program goes on and ends without it"
    "stale_dead_pid|a lock naming a killed process: replaced by this run's lock"
    "stale_other_program|a lock naming a live process of another program: replaced"
    "stale_empty|an empty lock file: replaced; emptied while held, it still keeps a second copy out"
    "lock_folder_below_file|the runtime folder below a regular file: a fallback lock, one copy only"
    "no_lock_folder|neither the runtime nor the temp folder usable: starts without a lock"
)

# ---- one row ------------------------------------------------------------------------------------

# The lock the running program holds, where the row says, naming the program's process.
expect_lock() {
    if [ "$LOCK_DIR" = - ]; then
        local found
        found=$(find / -maxdepth 1 -name "$PROGRAM-*.lock" && find "$E2E_TMP" -name '*.lock')
        [ -z "$found" ] || fail "a lock was made after all: $found"
        return 0
    fi
    local lock="$LOCK_DIR/$LOCK_NAME"
    [ -f "$lock" ] || fail "no lock at $lock (locks: $(find "$E2E_TMP" -name '*.lock'))"
    [ "$(head -n 1 "$lock")" = "$APP_PID" ] || fail "the lock names process $(head -n 1 "$lock"), not $APP_PID"
    [ -f "$E2E_TMP/lock-sample" ] || cp "$lock" "$E2E_TMP/lock-sample"
}

expect_second_copy_refused() {
    local first=$APP_PID box
    start_app
    box=$(wait_window "the already-running message" "$TITLE_MESSAGE")
    [ "$(visible_windows "$TITLE_WINDOW")" = "$1" ] || fail "the second copy opened a window of its own"
    focus "$box"
    keys Return
    expect_app_exit 10
    APP_PID=$first
    expect_shown "$1" "the first copy's main window"
}

# The whole output of the program's starts in this row (detached launchers may write late).
expect_said() {
    local expected="$ROW/expected.err"
    if [ $# -eq 0 ]; then : >"$expected"; else printf '%s\n' "$@" >"$expected"; fi
    wait_until 10 "$# line(s) on stderr" lines_at_least "$E2E_TMP/app.err" $#
    [ -z "$LINK" ] || sleep 0.3 # a late extra line from the launcher would be a fault too
    local said="$ROW/said.err" line allowed
    cp "$E2E_TMP/app.err" "$said"
    for line in "${STDERR_QT[@]}"; do
        allowed=$(printf '%s\n' "${STDERR_QT[@]}" | grep -cxF -- "$line")
        [ "$(grep -cxF -- "$line" "$said")" -le "$allowed" ] ||
            fail "said more often than Qt says it:"$'\n'"$(cat "$E2E_TMP/app.err")"
        grep -vxF -- "$line" "$said" >"$said.rest" || true
        mv "$said.rest" "$said"
    done
    cmp -s "$expected" "$said" ||
        fail "stderr was:"$'\n'"$(cat "$E2E_TMP/app.err")"$'\n'"expected:"$'\n'"$(cat "$expected")"
    [ ! -s "$E2E_TMP/app.out" ] || fail "the program wrote to stdout: $(cat "$E2E_TMP/app.out")"
}
lines_at_least() { [ "$(wc -l <"$1")" -ge "$2" ]; }

hook() { if declare -F "$1" >/dev/null; then "$1"; fi; }

# The first window of a start; a message box where none belongs says what went wrong.
first_window() { one_window "$TITLE_MESSAGE" || one_window "$TITLE_WINDOW" $MAIN_WIDTH; }

run_row() {
    local name=$1 what=$2 box chart farewell bar
    ROW_NAME=$name
    reset_row
    "arrange_$name"
    start_app
    wait_until 10 "the first window" first_window
    if [ -n "$REMINDER" ]; then
        box=$(wait_window "the update question" "$TITLE_MESSAGE")
        focus "$box"
        keys Escape # No: nothing to open
        wait_closed "$box" "the update question"
    elif one_window "$TITLE_MESSAGE"; then
        fail "a message box came up instead of the main window (see the screenshot)"
    fi
    MAIN=$(wait_window "the main window" "$TITLE_WINDOW" $MAIN_WIDTH)
    expect_no_window "message box" "$TITLE_MESSAGE"
    expect_lock
    if [ -n "$LINK" ]; then
        open_menu_item "$MAIN" h "$LINK"
        wait_until 10 "the link to reach the launcher" grep -qxF "$LINK_URL" "$LAUNCHER_LOG"
        expect_shown "$MAIN" "the main window"
        expect_no_window "message box" "$TITLE_MESSAGE"
    fi
    hook "during_$name"
    [ -z "$SECOND_COPY" ] || expect_second_copy_refused "$MAIN"

    chart=$(keyboard_reading "$MAIN" "Ann Lee" 15 Au 1985)
    bar=$(menu_bar_height "$chart" $CHART_HEIGHT)
    park_pointer
    shoot "$chart" "$ROW/chart.png"
    if [ ! -f "$REFERENCE" ]; then
        expect_colour "$ROW/chart.png" $PURPLE "Path row"
        expect_colour "$ROW/chart.png" $RED "Gift row, 4 for 1985"
        cp "$ROW/chart.png" "$REFERENCE"
    fi
    same_image "$REFERENCE" "$ROW/chart.png" "643x360+4+$((24 + bar))" ||
        fail "the chart differs from the one of a clean environment"

    open_menu_item "$chart" f x
    farewell=$(wait_window "the farewell window" "$TITLE_WINDOW" $FAREWELL_WIDTH)
    focus "$farewell"
    keys alt+x
    expect_app_exit 10
    [ -n "$LINK" ] || [ ! -s "$E2E_TMP/browser.log" ] || fail "the browser was called: $(cat "$E2E_TMP/browser.log")"
    expect_said "${STDERR[@]}"
    hook "check_$name"
    ok "$name: $what"
    ROW_NAME=
}

started=$SECONDS
for row in "${ROWS[@]}"; do
    run_row "${row%%|*}" "${row#*|}"
done
echo "# ${#ROWS[@]} environments in $((SECONDS - started)) s"
