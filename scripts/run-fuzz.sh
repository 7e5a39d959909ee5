#!/usr/bin/env bash
# Builds the status report fuzzer with clang and runs it for 60 seconds.
# Fails when the fuzzer finds a crash; the input is kept in build-fuzz/.
set -euo pipefail
source "$(dirname "$0")/common.sh"
bash "$ROOT/scripts/install-deps.sh" "${BUILD_PACKAGES[@]}" clang libclang-rt-14-dev

dir="$ROOT/build-fuzz"
cmake -S "$ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DZAREL_FUZZ=ON -DZAREL_TESTS=OFF >/dev/null
cmake --build "$dir" --target fuzz_statusreport -j "$JOBS"

# New inputs go to the work corpus; the seeds in the tree stay as they are.
mkdir -p "$dir/corpus"
echo "== fuzzing the status report parser for 60 s"
"$dir/fuzz/fuzz_statusreport" -max_total_time=60 -max_len=65536 -timeout=10 \
    -dict="$ROOT/fuzz/statusreport.dict" -artifact_prefix="$dir/" -print_final_stats=1 \
    "$dir/corpus" "$ROOT/fuzz/corpus"
