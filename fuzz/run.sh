#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each on a copy of its seed corpus (the checked-in
# seeds never grow). A crash, a leak, a sanitizer report or a broken property fails the run;
# the input that did it is kept in <build folder>/artifacts/.
#   bash fuzz/run.sh <build folder> [target...] [-- libFuzzer option...]
# Targets: saved_reading scramble_text refer_address (all when none is named). Without
# options each runs for 20 seconds; a longer run of one target, for example:
#   bash fuzz/run.sh build-fuzz refer_address -- -max_total_time=3600
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
build=${1:?usage: fuzz/run.sh <build folder> [target...] [-- libFuzzer option...]}
shift
targets=()
while [ $# -gt 0 ] && [ "$1" != -- ]; do
    targets+=("$1")
    shift
done
[ $# -gt 0 ] && shift # the --
options=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(saved_reading scramble_text refer_address)
[ ${#options[@]} -gt 0 ] || options=(-max_total_time=20)

cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

work=$(mktemp -d /tmp/hcn-fuzz.XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir -p "$build/artifacts"
# Symbolized stack traces when LLVM's symbolizer is there (Debian package llvm).
symbolizer=$(command -v llvm-symbolizer || true)
failed=0
for target in "${targets[@]}"; do
    [ -d "$here/corpus/$target" ] || { echo "FAIL: no fuzz target '$target'" >&2; exit 1; }
    cp -r "$here/corpus/$target" "$work/$target"
    log="$work/$target.log"
    # A single input that takes more than 10 seconds counts as a hang.
    if ASAN_SYMBOLIZER_PATH=$symbolizer UBSAN_OPTIONS=print_stacktrace=1 \
        "$build/fuzz_$target" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$build/artifacts/$target-" "${options[@]}" "$work/$target" \
        >"$log" 2>&1 </dev/null; then
        runs=$(awk '/^stat::number_of_executed_units:/ {print $2}' "$log")
        seconds=$(awk '/^Done [0-9]+ runs in/ {print $5}' "$log")
        echo "ok - fuzz_$target: ${runs:-?} runs in ${seconds:-?} s, no finding"
    else
        tail -n 80 "$log" >&2
        echo "FAIL: fuzz_$target (the input is in $build/artifacts/)" >&2
        failed=1
    fi
done
exit $failed
