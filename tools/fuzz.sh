#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer (ASan + UBSan) and runs one of them.
#   tools/fuzz.sh NAME [SECONDS]     e.g. tools/fuzz.sh dialing 600
# New inputs that raise coverage go to build/fuzz/corpus/NAME (the seed corpus in
# fuzz/corpus/NAME is only read); crashes are written to build/fuzz/artifacts/.
set -euo pipefail
cd "$(dirname "$0")/.."
name=${1:?fuzz target name (fuzz/NAME_fuzz.cpp)}
seconds=${2:-600}
build=build/fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_C_COMPILER=clang \
  -DRWFAX_SANITIZE=ON -DRWFAX_LIBFUZZER=ON >/dev/null
cmake --build "$build" --target "fuzz_$name"
mkdir -p "$build/corpus/$name" "$build/artifacts"
"$build/bin/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
  -artifact_prefix="$build/artifacts/$name-" "$build/corpus/$name" "fuzz/corpus/$name"
