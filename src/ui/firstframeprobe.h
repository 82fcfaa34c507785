#pragma once

// For the start-up benchmark: with ZORVANDI_FIRST_FRAME_PROBE set in the environment, the
// program prints the monotonic time at which its window's first frame was drawn and its peak
// resident memory at that moment, then quits. Without the variable it does nothing.

#include <ctime>

class QWidget;

namespace FirstFrameProbe {

void installIfRequested(QWidget& window);

// The clock of the report; the benchmark reads the same one before it starts the program.
inline long long monotonicNanoseconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

} // namespace FirstFrameProbe
