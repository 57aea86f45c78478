// Start-up of the whole process, from exec until its first window is on screen
// and it has quit, for the program and for two bare Qt Widgets programs: one
// that shows the same start window (the reference, the least any program that
// shows that window does) and one with a plain window (for context: what the
// start window itself costs). The three run in turn, each round in another
// order, so that all meet the same state of a busy machine; peak memory comes
// from the kernel's accounting of each child, and the instruction count of one
// run under callgrind gives a figure that does not move with load.
//
// Usage: bench_startup PROGRAM REFERENCE BARE [RUNS]
// All programs inherit the environment: QT_QPA_PLATFORM=offscreen, or xcb
// with DISPLAY on an X server; each measure names the platform.
#include "summary.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Run {
    double milliseconds = 0;
    double cpuMilliseconds = 0; // user and system time, which a busy machine barely moves
    double maxRssMiB = 0;
};

struct Runs {
    std::vector<double> milliseconds;
    std::vector<double> cpuMilliseconds;
    std::vector<double> maxRssMiB;
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t half = values.size() / 2;
    return values.size() % 2 ? values[half] : (values[half - 1] + values[half]) / 2;
}

// Runs the command to its end, its stdout to outputFile (or /dev/null) and its
// stderr to /dev/null, and fails unless it exits with 0.
Run runOnce(const std::vector<std::string> &command, const char *outputFile = "/dev/null")
{
    std::vector<char *> argv;
    for (const std::string &word : command)
        argv.push_back(const_cast<char *>(word.c_str()));
    argv.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, outputFile, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error("cannot start " + command[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        throw std::runtime_error("lost " + command[0]);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(command[0] + " did not exit cleanly");

    const auto ms = [](const timeval &time) { return time.tv_sec * 1e3 + time.tv_usec / 1e3; };
    return {std::chrono::duration<double, std::milli>(end - start).count(),
            ms(usage.ru_utime) + ms(usage.ru_stime), usage.ru_maxrss / 1024.0};
}

std::string firstLine(const std::string &file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    return line;
}

// The instructions of one run under callgrind, all threads, in millions; 0
// when valgrind is not there.
double instructions(const std::string &program, const std::string &scratch)
{
    const std::string valgrind = "/usr/bin/valgrind";
    if (access(valgrind.c_str(), X_OK) != 0)
        return 0;
    const std::string out = scratch + ".callgrind";
    runOnce({valgrind, "--tool=callgrind", "--callgrind-out-file=" + out, program});
    std::ifstream in(out);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("totals:", 0) == 0 || line.rfind("summary:", 0) == 0) {
            std::remove(out.c_str());
            return std::stod(line.substr(line.find(':') + 1)) / 1e6;
        }
    }
    throw std::runtime_error("no totals in " + out);
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s PROGRAM REFERENCE BARE [RUNS]\n", argv[0]);
        return 2;
    }
    constexpr int Programs = 3;
    const std::string programs[Programs] = {argv[1], argv[2], argv[3]};
    const int count = argc > 4 ? std::max(1, std::atoi(argv[4])) : 25;
    const std::string scratch = "/tmp/ordkvarnen-startup-" + std::to_string(getpid());

    try {
        // One run each first: it fills the file caches and shows which window
        // came up, so that a message box cannot pass for the start window.
        for (const std::string &program : programs) {
            runOnce({program}, scratch.c_str());
            std::fprintf(stderr, "%s: %s\n", program.c_str(), firstLine(scratch).c_str());
        }
        std::remove(scratch.c_str());

        Runs runs[Programs];
        for (int i = 0; i < count; ++i) {
            // Each round starts with another of the programs.
            for (int k = 0; k < Programs; ++k) {
                const int which = (i + k) % Programs;
                const Run run = runOnce({programs[which]});
                runs[which].milliseconds.push_back(run.milliseconds);
                runs[which].cpuMilliseconds.push_back(run.cpuMilliseconds);
                runs[which].maxRssMiB.push_back(run.maxRssMiB);
            }
        }
        std::fprintf(stderr, "start-up: %d runs each, in turn\n", count);

        const auto minimum = [](const std::vector<double> &values) {
            return *std::min_element(values.begin(), values.end());
        };
        const auto &[own, reference, bare] = runs;
        double instructionsOf[Programs] = {};
        for (int which = 0; which < Programs; ++which)
            instructionsOf[which] = instructions(programs[which], scratch);
        const bool counted =
            std::find(std::begin(instructionsOf), std::end(instructionsOf), 0.0) == std::end(instructionsOf);
        const char *platform = std::getenv("QT_QPA_PLATFORM");
        const auto printRow = [on = std::string(" [") + (platform ? platform : "default") +
                                    "]"](SummaryRow row) {
            row.measure += on;
            ::printRow(row);
        };

        // Against the same start window: the targets.
        printRow({"Start-up, min (ms)", minimum(own.milliseconds), minimum(reference.milliseconds)});
        printRow({"Start-up, median (ms)", median(own.milliseconds), median(reference.milliseconds), 1.02});
        printRow({"Start-up CPU time, median (ms)", median(own.cpuMilliseconds),
                  median(reference.cpuMilliseconds)});
        printRow({"Peak memory, max RSS (MiB)", median(own.maxRssMiB), median(reference.maxRssMiB), 1.05});
        if (counted)
            printRow({"Start-up instructions (millions)", instructionsOf[0], instructionsOf[1], 1.02});
        // Against the plain window: context, no target.
        printRow(
            {"Start-up, median (ms), plain window", median(own.milliseconds), median(bare.milliseconds)});
        printRow({"Peak memory (MiB), plain window", median(own.maxRssMiB), median(bare.maxRssMiB)});
        if (counted)
            printRow({"Start-up instructions (M), plain window", instructionsOf[0], instructionsOf[2]});
        else
            std::fprintf(stderr, "start-up: valgrind missing, no instruction counts\n");
    } catch (const std::exception &failure) {
        std::fprintf(stderr, "bench_startup: %s\n", failure.what());
        return 1;
    }
    return 0;
}
