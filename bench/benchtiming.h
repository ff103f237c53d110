// What the benchmarks share: the virtual servo's pacing they compute floors from,
// and the CPU time the calling thread has used.
#pragma once

#include <ctime>

namespace tessaro::bench {

inline constexpr int ReplyDelayMs = 100; // the servo's delay before it answers
inline constexpr double ByteMs = 0.521;  // one byte at 19200 baud, 10 bits

inline double threadCpuMs() {
    timespec ts{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

} // namespace tessaro::bench
