// Start-up budget: the time from exec to the first drawn frame of the program's window and
// its peak resident memory at that moment, against a bare Qt window built in the same tree,
// over interleaved runs. A bare Qt main window with a menu bar and a status bar runs too, to
// tell what Qt's own frame costs from what the program adds, and the program again with a
// machine file of ten machines in its configuration folder, to tell what reading it costs.
// Needs an X display: run it under xvfb-run.

#include "ui/firstframeprobe.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Sample {
    double milliseconds = 0;
    double megabytes = 0;
};

// A configuration folder for the program: empty, or with a machine file of ten machines.
std::string configFolder(bool withMachines) {
    std::string folder = "/tmp/zorvandi-bench-XXXXXX";
    if (mkdtemp(folder.data()) == nullptr) {
        return {};
    }
    if (withMachines) {
        const std::string dir = folder + "/zorvandi";
        mkdir(dir.c_str(), 0700);
        std::ofstream file(dir + "/machines.json");
        file
            << R"({"format": "zorvandi-machines", "version": 1, "active": "Tezgah 5", "machines": [)";
        for (int i = 1; i <= 10; ++i) {
            file << (i > 1 ? "," : "") << R"({"name": "Tezgah )" << i << R"(", "indexConstant": )"
                 << 24 + i << R"(, "gears": [)";
            for (int g = 0; g < 40; ++g) {
                file << (g > 0 ? ", " : "") << 20 + 2 * g;
            }
            file << R"(], "largeWheel": {"above": 150, "indexConstant": 48}, "clearance": 30})";
        }
        file << "]}\n";
    }
    return folder;
}

bool runOnce(const char* program, const std::string& config, Sample& sample) {
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
        if (!config.empty()) {
            setenv("XDG_CONFIG_HOME", config.c_str(), 1);
        }
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

// `bench_startup [runs] [other-zorvandi]`: with a second program, an earlier build of the
// program runs interleaved too, and the ratio of this build to it is printed.
int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::atoi(argv[1]) : 21;
    std::vector<const char*> programs = {ZORVANDI_PROGRAM, BARE_WINDOW_PROGRAM,
                                         BARE_MENUWINDOW_PROGRAM, ZORVANDI_PROGRAM};
    const std::string empty = configFolder(false);
    std::vector<std::string> configs = {empty, empty, empty, configFolder(true)};
    std::vector<const char*> names = {"zorvandi", "bare window", "bare menu window",
                                      "zorvandi, 10 mach."};
    if (argc > 2) {
        programs.push_back(argv[2]);
        configs.push_back(empty);
        names.push_back("earlier build");
    }
    const std::size_t count = programs.size();
    std::vector<std::vector<double>> ms(count);
    std::vector<std::vector<double>> mb(count);
    for (int i = -1; i < runs; ++i) { // the first round only warms the caches
        for (std::size_t p = 0; p < count; ++p) {
            Sample sample;
            if (!runOnce(programs.at(p), configs.at(p), sample)) {
                return 1;
            }
            if (i >= 0) {
                ms.at(p).push_back(sample.milliseconds);
                mb.at(p).push_back(sample.megabytes);
            }
        }
    }
    std::vector<double> medianMs(count);
    std::vector<double> medianMb(count);
    for (std::size_t p = 0; p < count; ++p) {
        medianMs.at(p) = median(ms.at(p));
        medianMb.at(p) = median(mb.at(p));
    }
    std::printf("start-up to first frame, median of %d interleaved runs\n", runs);
    for (std::size_t p = 0; p < count; ++p) {
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
    std::printf("  with 10 machines to without          time %.3f  memory %.3f  (target: at most "
                "1.01)\n",
                medianMs[3] / medianMs[0], medianMb[3] / medianMb[0]);
    if (count > 4) {
        std::printf("  this build to the earlier one        time %.3f  memory %.3f  (target: at "
                    "most 1.01)\n",
                    medianMs[0] / medianMs[4], medianMb[0] / medianMb[4]);
    }
    return 0;
}
