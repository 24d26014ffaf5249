#!/usr/bin/env bash
# ThreadSanitizer over all that runs on more than one thread: the window's
# tests (proofs on worker threads, the cross-check's processes, recovery
# copies written by a thread of their own), the engine's threaded tests
# (`check`, determinism on two threads, RunControl), and a short soak of the
# window. Any report fails it. Builds only what it runs, in build-tsan/.
#
# scripts/tsan.sh [SOAK_SECONDS]   (default 20; 0 leaves the soak out)
set -euo pipefail
source "$(dirname "$0")/setup.sh"
cd "$TOLVERN_ROOT"

soak="${1:-20}"
ensure_build_tools
echo "Building build-tsan/" >&2
tsan_build() {
  cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVERN_SANITIZE=thread -DTOLVERN_BENCH=OFF &&
    cmake --build build-tsan -j "$(nproc)" --target engine_tests cli_tests app_tests tolvern_soak
}
logged "$TOLVERN_ROOT/build-tsan/build.log" tsan_build

# Reports from any process (children too: the command line, tolvern-draw, the
# window a recovery test kills) fail the run; the suppressions are for Qt's
# own code only, each with its reason.
export TSAN_OPTIONS="exitcode=66 second_deadlock_stack=1 suppressions=$TOLVERN_ROOT/scripts/tsan.supp ${TSAN_OPTIONS:-}"
export QT_QPA_PLATFORM=offscreen
build-tsan/tests/engine_tests --gtest_brief=1 \
  --gtest_filter='Determinism.EnginesOnTwoThreads*:RunProof.EnginesInParallel*:RunControl.*'
build-tsan/tests/cli_tests --gtest_brief=1 --gtest_filter='Check.*:CheckJson.*'
# A process a test, as ctest runs them; the editor's timing check is left to
# the other builds (it measures the sanitizer, not the threads).
(cd build-tsan && ctest -L window -E 'SirilLexerEditor.HundredThousandLines' -j "$(nproc)" --output-on-failure)
# The window's thread bound is looser here, as in the other sanitized build:
# under ThreadSanitizer showing a page of 2 000 000 lines takes 0.5-0.9 s.
if [ "$soak" -gt 0 ]; then build-tsan/tolvern_soak "$soak" --max-block-ms 2000; fi
echo "tsan: no reports" >&2
