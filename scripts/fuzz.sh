#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang and runs each one for a short fixed time.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-20}
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
if [ ! -f build/fuzz/build.ninja ]; then
  launcher=()
  command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S tests/fuzz -B build/fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo "${launcher[@]}" >/dev/null
fi
mkdir -p build/fuzz
if ! cmake --build build/fuzz >build/fuzz/build.log 2>&1; then
  tail -n 80 build/fuzz/build.log; echo "build failed (full log: build/fuzz/build.log)"; exit 1
fi
status=0
for bin in build/fuzz/fuzz_*; do
  [ -f "$bin" ] && [ -x "$bin" ] || continue
  name=$(basename "$bin")
  corpus=build/fuzz/corpus/$name
  mkdir -p "$corpus"
  seeds=tests/fuzz/seeds/${name#fuzz_}
  [ -d "$seeds" ] || seeds=""
  echo "fuzzing $name for ${seconds}s"
  if ! "$bin" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=0 \
      "$corpus" $seeds >"build/fuzz/$name.log" 2>&1; then
    echo "FAILED: $name (see build/fuzz/$name.log)"; tail -n 40 "build/fuzz/$name.log"; status=1
  fi
done
exit $status
