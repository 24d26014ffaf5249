#!/usr/bin/env bash
# ./run fuzz [SECONDS]: builds the libFuzzer targets with clang (AddressSanitizer
# and UndefinedBehaviorSanitizer on) and fuzzes, for SECONDS each (default 300),
# the whole engine and then the method library (its XML and SIRIL library
# readers and the notation conversion). FUZZ_JOBS=N runs N fuzzing processes
# side by side.
#
# The corpora grow in fuzz/corpus-work/ and fuzz/corpus-methods/ (not kept in
# git), the methods one seeded from fuzz/methods-seeds/, the engine one from
# fuzz/seeds/, fuzz/regression/ and every file in examples/. Crashes, hangs,
# leaks and out-of-memory inputs land in build-fuzz/artifacts/; the script
# fails when there are any. Add each one, once fixed, to fuzz/regression/.
set -euo pipefail
source "$(dirname "$0")/setup.sh"
cd "$TOLVERN_ROOT"

seconds="${1:-300}"
jobs="${FUZZ_JOBS:-1}"

ensure_build_tools
ensure_packages clang libclang-rt-14-dev

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTOLVERN_FUZZ=ON -DTOLVERN_SANITIZE=ON -DTOLVERN_TESTS=OFF -DTOLVERN_BENCH=OFF >/dev/null
cmake --build build-fuzz --target tolvern_fuzz tolvern_methods_fuzz -j "$(nproc)" >&2

# Example files become seeds behind an options byte: music and work tables on.
mkdir -p fuzz/corpus-work build-fuzz/artifacts build-fuzz/example-seeds
rm -f build-fuzz/example-seeds/*
if [ -d examples ]; then
  for file in examples/*; do
    [ -f "$file" ] || continue
    { printf '\x18'; cat "$file"; } > "build-fuzz/example-seeds/$(basename "$file")"
  done
fi

before=$(ls build-fuzz/artifacts | wc -l)
flags=(
  -max_total_time="$seconds"
  -timeout=10
  -rss_limit_mb=2048
  -max_len=4096
  -artifact_prefix=build-fuzz/artifacts/
  -print_final_stats=1
)
[ "$jobs" -gt 1 ] && flags+=(-fork="$jobs" -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1)

status=0
build-fuzz/fuzz/tolvern_fuzz "${flags[@]}" -dict=fuzz/siril.dict fuzz/corpus-work fuzz/seeds fuzz/regression build-fuzz/example-seeds \
  || status=$?
mkdir -p fuzz/corpus-methods
build-fuzz/fuzz/tolvern_methods_fuzz "${flags[@]}" fuzz/corpus-methods fuzz/methods-seeds || status=$?

after=$(ls build-fuzz/artifacts | wc -l)
echo "corpus: $(ls fuzz/corpus-work | wc -l) inputs in fuzz/corpus-work, $(ls fuzz/corpus-methods | wc -l) in fuzz/corpus-methods" >&2
if [ "$after" -gt "$before" ] || [ "$status" -ne 0 ]; then
  echo "fuzz: findings in build-fuzz/artifacts/:" >&2
  ls -l build-fuzz/artifacts >&2
  exit 1
fi
echo "fuzz: no findings in $seconds seconds" >&2
