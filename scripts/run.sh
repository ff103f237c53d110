#!/bin/sh
# Builds Tessaro and starts it. Without a USB adapter (/dev/ttyUSB*), a
# virtual servo is started on COM1 first, so Connect finds a servo.
set -e
cd "$(dirname "$0")/.."
sh scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 --target tessaro tessaro-servo

servo_pid=""
if ! ls /dev/ttyUSB* >/dev/null 2>&1; then
  build/tools/servoemu/tessaro-servo --com 1 &
  servo_pid=$!
  trap 'kill "$servo_pid" 2>/dev/null' EXIT INT TERM
  sleep 0.5
fi
build/src/tessaro
