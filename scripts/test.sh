#!/bin/sh
# Builds and runs the whole test suite twice: a normal build with Ninja, then
# one with AddressSanitizer and UndefinedBehaviorSanitizer made with CMake's
# default generator (Unix Makefiles), so that both kinds of build keep working;
# then a bounded fuzzing run over everything that reads bytes from the wire.
set -e
cd "$(dirname "$0")/.."
sh scripts/deps.sh
export QT_QPA_PLATFORM=offscreen
sh scripts/check_layers.sh

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
# The tests spend their time waiting on the link's 10 ms ticks, not on a core,
# so twelve at once suit a 2-core machine.
ctest --test-dir build --output-on-failure -j12

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTESSARO_SANITIZE=ON -DTESSARO_BUILD_BENCH=OFF
cmake --build build-asan -j2
ctest --test-dir build-asan --output-on-failure -j4

CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTESSARO_FUZZ=ON -DTESSARO_BUILD_TESTS=OFF -DTESSARO_BUILD_BENCH=OFF
cmake --build build-fuzz -j2 --target fuzz_link
work=$(mktemp -d)
build-fuzz/fuzz/fuzz_link -max_total_time=60 -print_final_stats=1 "$work" fuzz/corpus
rm -rf "$work"
echo "fuzz_link: 60 s, no failure"
