#!/usr/bin/env bash
# Builds the tests that need no widgets with AddressSanitizer and UndefinedBehaviorSanitizer in
# build/asan and runs them; any fault ends that test with a non-zero status. Run after
# scripts/setup.sh: the word data of build/app is reused, not built again.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build/asan
export CCACHE_BASEDIR="$PWD" CCACHE_NOHASHDIR=1
if [ ! -f $dir/build.ninja ]; then
  launcher=()
  command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B $dir -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_SANITIZE=ON \
    -DTOLVANE_PREBUILT_DATA_DIR="$PWD/build/app" "${launcher[@]}" >/dev/null
fi
mkdir -p $dir
if ! cmake --build $dir >$dir/build.log 2>&1; then
  tail -n 80 $dir/build.log; echo "sanitizer build failed (full log: $dir/build.log)"; exit 1
fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1}
ctest --test-dir $dir --output-on-failure -j2 --timeout 300
