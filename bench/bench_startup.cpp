// Start-up budget: the time from exec to the first drawn frame of the program's window and
// its peak resident memory at that moment, against a bare Qt window built in the same tree,
// over interleaved runs. Needs an X display: run it under xvfb-run.

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
    const std::array<const char*, 2> programs = {ZORVANDI_PROGRAM, BARE_WINDOW_PROGRAM};
    std::array<std::vector<double>, 2> ms;
    std::array<std::vector<double>, 2> mb;
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
    const double appMs = median(ms[0]);
    const double bareMs = median(ms[1]);
    const double appMb = median(mb[0]);
    const double bareMb = median(mb[1]);
    std::printf("start-up to first frame, median of %d interleaved runs\n", runs);
    std::printf("  zorvandi     %7.1f ms  %6.1f MB peak resident\n", appMs, appMb);
    std::printf("  bare window  %7.1f ms  %6.1f MB peak resident\n", bareMs, bareMb);
    std::printf("  ratio        %7.3f     %6.3f        (targets: at most 1.05 each)\n",
                appMs / bareMs, appMb / bareMb);
    return 0;
}
