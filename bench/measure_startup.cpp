// SPDX-License-Identifier: GPL-3.0-or-later

// measure_startup RUNS BARE LABEL PROBE SHIPPED_DIR [EARLIER_PROBE]
// Starts the bare window (BARE), the bare window with a line of text (LABEL)
// and the program (PROBE, from SHIPPED_DIR with the shipped catalogues, and
// from a temporary folder whose two catalogues hold 10,000 entries each,
// written here) RUNS times each, interleaved so that the machine's drift hits
// all alike, and prints the time from the process start to its first idle
// event loop (the "idle" line the probes write) as medians, with the ratios to
// the bare window, and the peak memory the probes report there. With
// ROVALIN_PROBE_RUNNER set (wine, say), each probe is started through it.
// EARLIER_PROBE, the probe of an earlier build, is started from SHIPPED_DIR
// in the same turns, so that a change is measured against what it changed.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Start
{
    double ms = -1;       // from fork to the child's "idle" line; -1 if it never came
    double peak_kib = -1; // what the child reported there
};

Start time_to_idle(const char *_program, const char *_dir)
{
    int out[2];
    if (pipe(out) != 0)
        return {};
    const char *runner = std::getenv("ROVALIN_PROBE_RUNNER");
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        if (chdir(_dir) != 0)
            _exit(126);
        if (runner && *runner)
            execlp(runner, runner, _program, static_cast<char *>(nullptr));
        else
            execl(_program, _program, static_cast<char *>(nullptr));
        _exit(127);
    }
    close(out[1]);
    std::string line;
    char c;
    Start result;
    while (read(out[0], &c, 1) == 1) {
        if (c == '\n' || c == '\r') {
            if (line.compare(0, 5, "idle ") == 0) {
                result.ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
                result.peak_kib = std::atof(line.c_str() + 5);
            }
            break;
        }
        line += c;
    }
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? result : Start{};
}

// A folder with settings/ holding two catalogues of _count entries shaped like
// the shipped ones; its path, or an empty text.
std::string write_large_catalogues(int _count)
{
    char folder[] = "/tmp/rovalin-startup-XXXXXX";
    if (!mkdtemp(folder))
        return {};
    const std::string settings = std::string(folder) + "/settings";
    mkdir(settings.c_str(), 0755);
    std::string text = "[\n";
    for (int i = 0; i < _count; ++i) {
        text += i ? ",\n" : "";
        text += "  {\"name\": \"Entry " + std::to_string(i) +
                "\", \"target\": \"Fe\", \"Fe\": 0.01, \"K\": 0.02, \"Mg\": 0.05, "
                "\"N\": 0.03, \"P\": 0.04, \"S\": 0.06, \"source\": \"label quoted by a "
                "retailer\", \"checked\": \"2026-12-07\"}";
    }
    text += "\n]\n";
    for (const char *name : {"/commercial_products.json", "/compounds.json"}) {
        FILE *file = std::fopen((settings + name).c_str(), "w");
        if (!file || std::fwrite(text.data(), 1, text.size(), file) != text.size())
            return {};
        std::fclose(file);
    }
    return folder;
}

double median(std::vector<double> _values)
{
    std::sort(_values.begin(), _values.end());
    const size_t n = _values.size();
    return n % 2 ? _values[n / 2] : (_values[n / 2 - 1] + _values[n / 2]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 6 && argc != 7) {
        std::fprintf(stderr,
                     "usage: measure_startup RUNS BARE LABEL PROBE SHIPPED_DIR [EARLIER_PROBE]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::string large = write_large_catalogues(10000);
    if (large.empty()) {
        std::fprintf(stderr, "cannot write the large catalogues\n");
        return 1;
    }
    struct Case
    {
        const char *name;
        const char *program;
        const char *dir;
        std::vector<double> times;
        std::vector<double> peaks;
    };
    std::vector<Case> cases{{"bare QMainWindow", argv[2], argv[5], {}, {}},
                            {"bare QMainWindow with one label", argv[3], argv[5], {}, {}},
                            {"rovalin, shipped catalogues", argv[4], argv[5], {}, {}},
                            {"rovalin, 10,000 entries", argv[4], large.c_str(), {}, {}}};
    if (argc == 7)
        cases.push_back({"rovalin, earlier build, shipped catalogues", argv[6], argv[5], {}, {}});
    for (Case &each : cases) // one unmeasured start each: disk cache, font cache
        time_to_idle(each.program, each.dir);
    for (int run = 0; run < runs; ++run) {
        for (Case &each : cases) {
            const Start start = time_to_idle(each.program, each.dir);
            if (start.ms < 0) {
                std::fprintf(stderr, "%s did not reach its event loop\n", each.name);
                return 1;
            }
            each.times.push_back(start.ms);
            each.peaks.push_back(start.peak_kib);
        }
    }
    const double bare = median(cases[0].times);
    std::printf("| start-up (%d runs each) | median ms | min ms | ratio to bare | peak memory "
                "MiB |\n",
                runs);
    std::printf("|---|---|---|---|---|\n");
    for (const Case &each : cases)
        std::printf("| %s | %.1f | %.1f | %.2f | %.1f |\n", each.name, median(each.times),
                    *std::min_element(each.times.begin(), each.times.end()),
                    median(each.times) / bare, median(each.peaks) / 1024);
    return std::system(("rm -rf '" + large + "'").c_str()) == 0 ? 0 : 1;
}
