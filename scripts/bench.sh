#!/usr/bin/env bash
# Start-up benchmark: our program against the empty yardstick window (bench/), each timed from
# its start to the first drawing of its first window on a private X server, in turns; then the
# reading benchmark.
#   bash scripts/bench.sh [--until map] [pairs]   (default 21; builds into build-bench/ or
#                                                 $HCN_BENCH_BUILD)
# --until map ends the clock at the window's map instead, the figure earlier runs gave (the
# probe, bench/startup_probe.cpp, says why the first drawing is the fairer end).
# Installs what is missing (Debian 12, as root). Prints only the results; HCN_BENCH_RUNS=file
# keeps every pair's figures (ours wall, CPU, peak RSS in KiB, then the same of the yardstick).
set -euo pipefail
# Paths given by the caller are taken from where the caller stands.
for name in HCN_BENCH_BUILD HCN_BENCH_RUNS; do
    [ -z "${!name:-}" ] || export "$name=$(realpath -m -- "${!name}")"
done
cd "$(dirname "${BASH_SOURCE[0]}")/.."

GOAL_RATIO=1.15
GOAL_READING_MS=10

fail() {
    echo "bench: $*" >&2
    exit 1
}

# median: the median of the numbers on stdin, one a line.
median() {
    sort -g | awk '{ v[NR] = $1 } END {
        if (NR == 0) exit 1
        printf "%.4f\n", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

# The measuring half, run by the other half inside one session bus (a Qt program without one
# may start a bus of its own, at each start).
measure() {
    local pairs=$1 build=$2 tmp=$3 runtime=$4 until=$5
    local probe=$build/bench/hcn-startup-probe
    # shellcheck source=/dev/null # the build's identity: program name and window title
    source "$build/identity/identity.sh"
    local ours=$build/$HCN_PROGRAM empty=$build/bench/hcn-empty-window
    local home=$tmp/home
    # The same clean surroundings for both programs; nothing of the caller's desktop.
    local environment=(PATH="$PATH" LANG=C.UTF-8 DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb
        DBUS_SESSION_BUS_ADDRESS="$DBUS_SESSION_BUS_ADDRESS"
        HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_CACHE_HOME="$home/.cache"
        XDG_DATA_HOME="$home/.local/share" XDG_RUNTIME_DIR="$runtime")

    # start <program> <title prefix>: one timed start; prints "wall_ms cpu_ms peak_rss_kib".
    start() {
        local line
        # The probe kills each program once its window is up. A program its user ends takes its
        # instance lock away with it, so no start here finds a lock left by the one before.
        rm -f "$runtime"/*.lock
        line=$(env -i "${environment[@]}" "$probe" --until "$until" --title-prefix "$2" -- "$1") ||
            fail "$(basename "$1") did not start as expected (see above; a message box instead of the main window?)"
        [[ $line =~ wall_ms=([0-9.]+)\ cpu_ms=([0-9.]+)\ peak_rss_kib=([0-9]+) ]] ||
            fail "unexpected probe output: $line"
        echo "${BASH_REMATCH[1]} ${BASH_REMATCH[2]} ${BASH_REMATCH[3]}"
    }

    # The first start writes the settings file; the later ones, within the reminder's 15 days,
    # show the main window straight away.
    start "$ours" "$HCN_WINDOW_TITLE" >/dev/null
    [ -f "$home/.config/$HCN_PROGRAM.conf" ] ||
        fail "the first start wrote no settings file; later starts would show the update reminder"
    start "$ours" "$HCN_WINDOW_TITLE" >/dev/null # the warm-up pair
    start "$empty" hcn-empty-window >/dev/null

    local figures=$tmp/pairs i our their
    : >"$figures"
    for ((i = 0; i < pairs; i++)); do
        our=$(start "$ours" "$HCN_WINDOW_TITLE")
        their=$(start "$empty" hcn-empty-window)
        echo "$our $their" >>"$figures"
    done

    [ -z "${HCN_BENCH_RUNS:-}" ] || cp "$figures" "$HCN_BENCH_RUNS"

    # Columns of $figures: ours wall, CPU, RSS; empty wall, CPU, RSS.
    figure() { awk -v c="$1" '{ print $c }' "$figures" | median; }
    ratio() { awk -v c="$1" '{ print $c / $(c + 3) }' "$figures" | median; }
    local ow oc or ew ec er rw rc rr
    ow=$(figure 1) oc=$(figure 2) or=$(figure 3)
    ew=$(figure 4) ec=$(figure 5) er=$(figure 6)
    rw=$(ratio 1) rc=$(ratio 2) rr=$(ratio 3)
    local row='  %-34s %9.1f %9.1f %13.1f\n'
    local end="the first drawing of the first window"
    [ "$until" = paint ] || end="the map of the first window"
    echo "Start-up to $end, medians of $pairs pairs (Xvfb, one session bus):"
    printf '  %-34s %9s %9s %13s\n' "" "wall ms" "CPU ms" "peak RSS MiB"
    # shellcheck disable=SC2059 # the format is ours
    {
        printf "$row" "$HCN_PROGRAM" "$ow" "$oc" "$(awk -v k="$or" 'BEGIN { print k / 1024 }')"
        printf "$row" "hcn-empty-window (the yardstick)" "$ew" "$ec" "$(awk -v k="$er" 'BEGIN { print k / 1024 }')"
    }
    printf '  %-34s %9.2f %9.2f %13.2f   (goal: each <= %s)\n' "ours / empty, per pair" \
        "$rw" "$rc" "$rr" "$GOAL_RATIO"

    local log=$tmp/reading.log
    env -i PATH="$PATH" LANG=C.UTF-8 QT_QPA_PLATFORM=offscreen \
        "$build/bench/bench_reading" -median "$pairs" >"$log" 2>&1 ||
        { cat "$log" >&2; fail "bench_reading failed (its output is above)"; }
    local reading creation
    # Qt Test prints the median as "10,126,839 nsecs".
    result() {
        awk -v f="BenchReading::$1():" '$1 == "RESULT" && $3 == f {
            getline; gsub(",", "", $1); if ($2 == "nsecs") printf "%.2f ms\n", $1 / 1e6 }' "$log"
    }
    reading=$(result reading) creation=$(result chartWindowCreation)
    if [ -z "$reading" ] || [ -z "$creation" ]; then
        cat "$log" >&2
        fail "no results from bench_reading"
    fi
    echo
    echo "Reading (Qt Test, offscreen, median of $pairs runs):"
    printf '  %-48s %s   (goal: under %s ms)\n' "press of Next to the filled chart window" "$reading" "$GOAL_READING_MS"
    printf '  %-48s %s\n' "creation of the chart window alone" "$creation"

    # Any figure over its goal fails the run, so a regression shows to whoever runs it.
    local over=()
    awk -v r="$rw" -v g="$GOAL_RATIO" 'BEGIN { exit !(r > g) }' && over+=("wall time ratio $rw")
    awk -v r="$rc" -v g="$GOAL_RATIO" 'BEGIN { exit !(r > g) }' && over+=("CPU time ratio $rc")
    awk -v r="$rr" -v g="$GOAL_RATIO" 'BEGIN { exit !(r > g) }' && over+=("peak memory ratio $rr")
    awk -v r="${reading% ms}" -v g="$GOAL_READING_MS" 'BEGIN { exit !(r >= g) }' &&
        over+=("reading $reading")
    if [ ${#over[@]} -gt 0 ]; then
        echo
        printf 'OVER THE GOAL: %s\n' "${over[@]}" >&2
        return 1
    fi
}

if [ "${1:-}" = --measure ]; then
    shift
    exec 2>&3 3>&-
    : >"$3/measuring" # tells the other half that the bus is up
    measure "$@"
    exit # with measure's status: non-zero when a figure is over its goal
fi

until=paint
if [ "${1:-}" = --until ]; then
    until=${2:-}
    shift 2 || true
fi
pairs=${1:-21}
[[ $pairs =~ ^[1-9][0-9]*$ && $until =~ ^(paint|map)$ ]] ||
    fail "usage: bash scripts/bench.sh [--until map] [pairs]   (a whole number, default 21)"
build=${HCN_BENCH_BUILD:-build-bench}

packages=(build-essential cmake qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
          fonts-dejavu-core fonts-liberation2 xvfb dbus libx11-dev libxdamage-dev)
missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
tmp=$(mktemp -d /tmp/hcn-bench.XXXXXX)
# A session's runtime folder is in memory (/run/user/<uid>), where the instance lock costs no
# disk write; so is this one where the machine has /dev/shm.
runtime=$tmp/runtime
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    runtime=$(mktemp -d /dev/shm/hcn-bench-runtime.XXXXXX)
fi
xvfb=
cleanup() {
    local status=$?
    if [ -n "$xvfb" ]; then
        kill "$xvfb" 2>/dev/null || true
        wait "$xvfb" 2>/dev/null || true
    fi
    rm -rf "$tmp" "$runtime"
    exit $status
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}" >&2
    { apt-get update -qq && DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"; } >"$tmp/apt.log" 2>&1 ||
        { cat "$tmp/apt.log" >&2; fail "could not install ${missing[*]}"; }
fi

# The project's default build type, as the program is normally built; the reading benchmark
# needs the test support library, so the tests are configured too (only four targets are built).
# shellcheck source=/dev/null # the identity file is written by the configure step
{ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON &&
    source "$build/identity/identity.sh" &&
    cmake --build "$build" -j"$(nproc)" --target "$HCN_PROGRAM" hcn-empty-window \
        hcn-startup-probe bench_reading; } >"$tmp/build.log" 2>&1 ||
    { cat "$tmp/build.log" >&2; fail "the build failed (its output is above)"; }
build=$(cd "$build" && pwd)

mkdir -m 700 "$tmp/home"
mkdir -p -m 700 "$runtime"
chmod 700 "$runtime"
# -displayfd picks a free display and writes its number once the server takes clients.
mkfifo "$tmp/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 </dev/null &
xvfb=$!
display=
read -r -t 20 display <"$tmp/display" || true
[[ $display =~ ^[0-9]+$ ]] || { cat "$tmp/xvfb.log" >&2; fail "Xvfb did not start"; }
export DISPLAY=:$display

# The bus's own chatter (service activations) goes to a log; the measuring half's messages
# come back on the caller's error stream (descriptor 3).
dbus-run-session -- "$BASH" "${BASH_SOURCE[0]}" --measure "$pairs" "$build" "$tmp" "$runtime" "$until" \
    3>&2 2>"$tmp/dbus.log" || {
    status=$?
    # The measuring half speaks for itself; only a bus that did not start needs its log shown.
    [ -e "$tmp/measuring" ] || { cat "$tmp/dbus.log" >&2; fail "no session bus (dbus-run-session)"; }
    exit $status
}
