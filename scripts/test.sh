#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: a normal build, and a
# build with AddressSanitizer and UndefinedBehaviorSanitizer where any report fails the run.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"

export QT_QPA_PLATFORM=offscreen
jobs=2

echo "== normal build"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=Debug -DKESTROM_WERROR=ON >/dev/null
cmake --build "$root/build" --parallel "$jobs"
ctest --test-dir "$root/build" --output-on-failure --parallel "$jobs"

echo "== sanitizer build"
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp"
CC=clang CXX=clang++ cmake -S "$root" -B "$root/build-sanitize" -DCMAKE_BUILD_TYPE=Debug \
    -DKESTROM_SANITIZE=ON -DKESTROM_BUILD_FUZZERS=ON -DKESTROM_WERROR=ON >/dev/null
cmake --build "$root/build-sanitize" --parallel "$jobs"
ctest --test-dir "$root/build-sanitize" --output-on-failure --parallel "$jobs"
