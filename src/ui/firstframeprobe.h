#pragma once

// For the start-up benchmark: with ZORVANDI_FIRST_FRAME_PROBE set in the environment, the
// program prints the monotonic time at which its window's first frame was drawn and its peak
// resident memory at that moment, then quits. Without the variable it does nothing.

class QWidget;

namespace FirstFrameProbe {
void installIfRequested(QWidget& window);
}
