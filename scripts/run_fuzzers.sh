#!/usr/bin/env bash
# run_fuzzers.sh: builds the fuzz targets and runs each for a while, or replays the corpus.
# Usage: scripts/run_fuzzers.sh [seconds]     fuzz each target that long (default 60)
#        scripts/run_fuzzers.sh --replay      run every corpus file through its target once
# New inputs and crash files go to fuzz-out/<target>/; the seeds in fuzz/corpus stay as they are.
# FUZZ_CMAKE_FLAGS adds flags to the build's configuration (CI: warnings as errors).
set -euo pipefail
cd "$(dirname "$0")/.."

# libFuzzer takes 0, anything that is not a number, or one that wraps round in its 32 bits (2^32)
# as no limit at all.
case "${1:-60}" in
  --replay) ;;
  '' | *[!0-9]* | 0* | ??????????*)
    echo "run_fuzzers.sh: '${1:-}' is neither --replay nor a whole number of seconds from 1 to" \
      "999999999" >&2
    exit 2
    ;;
esac

scripts/install_build_deps.sh clang libclang-rt-14-dev >&2
# shellcheck disable=SC2086  # the flags are words of their own
CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNPUZZLE_FUZZ=ON ${FUZZ_CMAKE_FLAGS:-} >&2
cmake --build build-fuzz --target xml_reader_fuzzer plain_reader_fuzzer command_loop_fuzzer >&2

export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
targets=(xml_reader:xml plain_reader:plain command_loop:commands)
for entry in "${targets[@]}"; do
  target=${entry%%:*}
  # Absolute paths: the command loop target works in a scratch folder of its own.
  seeds=$PWD/fuzz/corpus/${entry#*:}
  if [ "${1:-}" = "--replay" ]; then
    echo "== replaying $seeds through $target"
    "build-fuzz/${target}_fuzzer" "$seeds"/*
  else
    out=$PWD/fuzz-out/$target
    mkdir -p "$out/corpus"
    echo "== fuzzing $target for ${1:-60} s"
    "build-fuzz/${target}_fuzzer" -max_total_time="${1:-60}" -timeout=20 -print_final_stats=1 \
      -artifact_prefix="$out/" "$out/corpus" "$seeds"
  fi
done
