// Start-up budget: the time from exec to the first drawn frame of the program's window and
// its peak resident memory at that moment, against a bare Qt window built in the same tree,
// over interleaved runs. A bare Qt main window with a menu bar and a status bar runs too, to
// tell what Qt's own frame costs from what the program adds. Needs an X display: run it under
// xvfb-run.

#include "ui/firstframeprobe.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Sample {
    double milliseconds = 0;
    double megabytes = 0;
};

bool runOnce(const char* program, Sample& sample) {
    std::array<int, 2> out{};
    if (pipe(out.data()) != 0) {
        return false;
    }
    const long long start = FirstFrameProbe::monotonicNanoseconds();
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        setenv("ZORVANDI_FIRST_FRAME_PROBE", "1", 1);
        setenv("QT_QPA_PLATFORM", "xcb", 1);
        execl(program, program, static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string text;
    std::array<char, 256> buffer{};
    for (ssize_t n = 0; (n = read(out[0], buffer.data(), buffer.size())) > 0;) {
        text.append(buffer.data(), static_cast<size_t>(n));
    }
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    long long frameAt = 0;
    long long rssKb = 0;
    if (std::sscanf(text.c_str(), "first-frame-ns %lld peak-rss-kb %lld", &frameAt, &rssKb) != 2) {
        std::fprintf(stderr, "%s reported no first frame (is DISPLAY set?)\n", program);
        return false;
    }
    sample.milliseconds = double(frameAt - start) / 1e6;
    sample.megabytes = double(rssKb) / 1024.0;
    return true;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 21;
    const std::array<const char*, 3> programs = {ZORVANDI_PROGRAM, BARE_WINDOW_PROGRAM,
                                                 BARE_MENUWINDOW_PROGRAM};
    std::array<std::vector<double>, 3> ms;
    std::array<std::vector<double>, 3> mb;
    for (int i = -1; i < runs; ++i) { // the first round only warms the caches
        for (std::size_t p = 0; p < programs.size(); ++p) {
            Sample sample;
            if (!runOnce(programs.at(p), sample)) {
                return 1;
            }
            if (i >= 0) {
                ms.at(p).push_back(sample.milliseconds);
                mb.at(p).push_back(sample.megabytes);
            }
        }
    }
    std::array<double, 3> medianMs{};
    std::array<double, 3> medianMb{};
    for (std::size_t p = 0; p < programs.size(); ++p) {
        medianMs.at(p) = median(ms.at(p));
        medianMb.at(p) = median(mb.at(p));
    }
    std::printf("start-up to first frame, median of %d interleaved runs\n", runs);
    const std::array<const char*, 3> names = {"zorvandi", "bare window", "bare menu window"};
    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::printf("  %-17s %7.1f ms  %6.1f MB peak resident\n", names.at(p), medianMs.at(p),
                    medianMb.at(p));
    }
    std::printf("  ratio to the bare window            time %.3f  memory %.3f  (targets: at most "
                "1.05 each)\n",
                medianMs[0] / medianMs[1], medianMb[0] / medianMb[1]);
    std::printf("  bare menu window to the bare window  time %.3f  memory %.3f  (Qt's own frame)\n",
                medianMs[2] / medianMs[1], medianMb[2] / medianMb[1]);
    std::printf("  zorvandi to the bare menu window     time %.3f  memory %.3f  (what the program "
                "adds)\n",
                medianMs[0] / medianMs[2], medianMb[0] / medianMb[2]);
    return 0;
}
