#!/usr/bin/env bash
# Builds the fuzzers of the status report, of the loggers' RadioInfo reader
# and of the settings reader with clang and runs each for a while. Fails
# when a fuzzer finds a crash; the input is kept in build-fuzz/.
set -euo pipefail
source "$(dirname "$0")/common.sh"
bash "$ROOT/scripts/install-deps.sh" "${BUILD_PACKAGES[@]}" clang libclang-rt-14-dev

dir="$ROOT/build-fuzz"
cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DZAREL_FUZZ=ON -DZAREL_TESTS=OFF >/dev/null
cmake --build "$dir" --target fuzz_statusreport fuzz_radioinfo fuzz_settings -j "$JOBS"

# fuzz TARGET SECONDS SEEDS DICT: new inputs go to a work corpus; the seeds in
# the tree stay as they are.
fuzz() {
    mkdir -p "$dir/$1-corpus"
    echo "== fuzzing $1 for $2 s"
    "$dir/fuzz/$1" -max_total_time="$2" -max_len=65536 -timeout=10 \
        -dict="$4" -artifact_prefix="$dir/$1-" -print_final_stats=1 \
        "$dir/$1-corpus" "$3"
}
fuzz fuzz_statusreport 40 "$ROOT/fuzz/corpus" "$ROOT/fuzz/statusreport.dict"
fuzz fuzz_radioinfo 30 "$ROOT/fuzz/radioinfo-corpus" "$ROOT/fuzz/radioinfo.dict"
fuzz fuzz_settings 40 "$ROOT/fuzz/settings-corpus" "$ROOT/fuzz/settings.dict"
