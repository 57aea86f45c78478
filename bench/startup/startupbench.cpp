// Start-up of the whole process, from exec until its first window is on screen
// and it has quit, for the program and for a bare Qt Widgets program. The two
// run alternately, so that both meet the same state of a busy machine; peak
// memory comes from the kernel's accounting of each child, and the instruction
// count of one run under callgrind gives a figure that does not move with load.
//
// Usage: bench_startup PROGRAM REFERENCE [RUNS]
// Both programs inherit the environment (QT_QPA_PLATFORM=offscreen).
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
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <vector>

extern char **environ;

namespace {

struct Run {
    double milliseconds = 0;
    double maxRssMiB = 0;
};

struct Runs {
    std::vector<double> milliseconds;
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

    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss / 1024.0};
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
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s PROGRAM REFERENCE [RUNS]\n", argv[0]);
        return 2;
    }
    const std::string programs[2] = {argv[1], argv[2]};
    const int count = argc > 3 ? std::max(1, std::atoi(argv[3])) : 25;
    const std::string scratch = "/tmp/ordkvarnen-startup-" + std::to_string(getpid());

    try {
        // One run each first: it fills the file caches and shows which window
        // came up, so that a message box cannot pass for the start window.
        for (const std::string &program : programs) {
            runOnce({program}, scratch.c_str());
            std::fprintf(stderr, "%s: %s\n", program.c_str(), firstLine(scratch).c_str());
        }
        std::remove(scratch.c_str());

        Runs runs[2];
        for (int i = 0; i < count; ++i) {
            // Every other round the reference goes first.
            for (int k = 0; k < 2; ++k) {
                const int which = (i + k) % 2;
                const Run run = runOnce({programs[which]});
                runs[which].milliseconds.push_back(run.milliseconds);
                runs[which].maxRssMiB.push_back(run.maxRssMiB);
            }
        }
        std::fprintf(stderr, "start-up: %d runs each, alternated\n", count);

        const auto &[own, bare] = runs;
        const double target = 1.10;
        printRow({"Start-up, min (ms)", *std::min_element(own.milliseconds.begin(), own.milliseconds.end()),
                  *std::min_element(bare.milliseconds.begin(), bare.milliseconds.end()), target});
        printRow({"Start-up, median (ms)", median(own.milliseconds), median(bare.milliseconds), target});
        printRow({"Peak memory, max RSS (MiB)", median(own.maxRssMiB), median(bare.maxRssMiB), target});
        const double ownInstructions = instructions(programs[0], scratch);
        const double bareInstructions = instructions(programs[1], scratch);
        if (ownInstructions > 0 && bareInstructions > 0)
            printRow({"Start-up instructions (millions)", ownInstructions, bareInstructions, target});
        else
            std::fprintf(stderr, "start-up: valgrind missing, no instruction counts\n");
    } catch (const std::exception &failure) {
        std::fprintf(stderr, "bench_startup: %s\n", failure.what());
        return 1;
    }
    return 0;
}
