#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz and runs each for a short while.
# Exits non-zero when a target crashes (libFuzzer leaves the crashing input in build-fuzz/fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."
if ! command -v clang++ >/dev/null; then
    echo "fuzz.sh: clang++ not found, skipping" >&2
    exit 0
fi
# Eleven targets: all of them within three minutes.
seconds="${FUZZ_SECONDS:-16}"
build=build-fuzz
targets=(link_decode_fuzzer sim_state_fuzzer plu_file_fuzzer send_check_fuzzer hotkey_sheet_fuzzer msg_import_fuzzer
    sheet_read_fuzzer text_import_fuzzer dept_set_fuzzer element_file_fuzzer scale_list_csv_fuzzer)

cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DPLU_BUILD_FUZZERS=ON -DPLU_DPKG_BUILDFLAGS=OFF >/dev/null
ninja -C "$build" "${targets[@]}"

status=0
for target in "${targets[@]}"; do
    corpus="$build/fuzz/corpus-$target"
    mkdir -p "$corpus"
    # Seeds and inputs that once crashed a target, kept with the tests' data.
    seeds=()
    if [ -d "tests/data/fuzz/$target" ]; then
        seeds=("$PWD/tests/data/fuzz/$target")
    fi
    echo "fuzz.sh: running $target for ${seconds}s"
    if ! (cd "$build/fuzz" && "./$target" -max_total_time="$seconds" -max_len=16384 -print_final_stats=1 \
        "corpus-$target" "${seeds[@]}"); then
        echo "fuzz.sh: $target crashed" >&2
        status=1
    fi
done
exit $status
