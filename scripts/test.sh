#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest. Then the same tests
# again in a build under AddressSanitizer, LeakSanitizer and UndefinedBehaviorSanitizer
# (build-asan/), and a short run of each fuzz target (build-fuzz/, see fuzz/run.sh).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh test
(cd build && ctest --output-on-failure --timeout 300)

echo "== The same tests under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/)"
suppressions=$PWD/tests/sanitizers/lsan.supp
# Suppressions may name Qt's and other system libraries, or one of Qt's own functions (its
# classes all begin with Q, ours never do), and never our code.
if grep -nvE '^[[:space:]]*(#|$)|^leak:lib[A-Za-z0-9_+.*-]+$|^leak:Q[A-Za-z0-9_]*(::[A-Za-z0-9_~]+)+$' "$suppressions"; then
    echo "FAIL: $suppressions may only hold leak:lib<library> or leak:Q<Qt class>::<function> entries (lines above)" >&2
    exit 1
fi
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DHCN_SANITIZE=ON >/dev/null
cmake --build build-asan -j"$(nproc)"
# Any report ends the program with a non-zero status, which fails its test; the end-to-end
# tests hand these settings on to the program (tests/e2e/lib.sh).
(
    cd build-asan
    export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:print_stacktrace=1:exitcode=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1
    export LSAN_OPTIONS=suppressions=$suppressions:print_suppressions=0:exitcode=23
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:exitcode=1
    ctest --output-on-failure --timeout 300
)

echo "== Fuzzing, 20 seconds a target (build-fuzz/)"
bash fuzz/run.sh build-fuzz
