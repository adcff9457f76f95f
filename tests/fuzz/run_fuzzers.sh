#!/usr/bin/env bash
# tests/fuzz/run_fuzzers.sh [SECONDS] [TARGET...]: builds the fuzz targets with clang
# in build-fuzz/ and runs each (default: edt, map, bitmap and import) for SECONDS (default
# 60), one after the other. Inputs that add coverage are kept in
# build-fuzz/corpus/<target>/; a crash stops that target, its input is kept in
# build-fuzz/crashes/<target>/ and the script ends non-zero. A crash input belongs
# in tests/fuzz/regressions/<target>/ once fixed, where the unit tests replay it.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
cd "$root"
. tools/packages.sh
ensure_packages "${BUILD_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}"

seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(edt map bitmap import)
# libFuzzer guesses its input limit from the corpus, 4096 bytes without large
# seeds: too short for a document nested hundreds of thousands deep, which the
# import target must always have room for.
declare -A options=([import]=-max_len=600000)

cmake -S . -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DTARNHOLD_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
ninja -C build-fuzz "${targets[@]/#/fuzz_}"

failed=()
for target in "${targets[@]}"; do
    work=build-fuzz/corpus/$target crashes=build-fuzz/crashes/$target
    mkdir -p "$work" "$crashes" "tests/fuzz/regressions/$target"
    echo "== fuzz_$target for $seconds s"
    # New inputs go to the first folder only; the committed ones are read.
    if ! "build-fuzz/tests/fuzz/fuzz_$target" ${options[$target]:-} -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$crashes/" "$work" "tests/fuzz/corpus/$target" "tests/fuzz/regressions/$target" \
        2>"build-fuzz/fuzz_$target.log"; then
        failed+=("$target")
    fi
    grep -E '^(Done|stat::number_of_executed_units)' "build-fuzz/fuzz_$target.log" || true
done

if [ ${#failed[@]} -gt 0 ]; then
    echo "Crashes in: ${failed[*]} (inputs in build-fuzz/crashes/, logs in build-fuzz/fuzz_*.log)" >&2
    exit 1
fi
echo "No crashes."
