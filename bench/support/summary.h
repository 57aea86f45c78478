#pragma once

#include <map>
#include <optional>
#include <string>

// One line of the table that scripts/bench prints: a measure of the program,
// the same measure of its reference (the least work that does the same, such
// as a bare Qt program showing the same window, or a read and decode of the
// same bytes) and their ratio checked against the largest ratio allowed.
struct SummaryRow {
    std::string measure;
    double program = 0;
    std::optional<double> reference = {}; // none: the measure has no reference
    double target = 0;                    // largest ratio allowed; 0: none
    // For rates such as bytes per second the ratio is reference / program, so
    // that it always tells how many times the reference's cost the program's is.
    bool higherIsBetter = false;
};

// Prints the row tab-separated on stdout: measure, program, reference, ratio,
// target and whether the target is met.
void printRow(const SummaryRow &row);

// The median of a benchmark's repetitions.
struct BenchmarkResult {
    double nanoseconds = 0;                 // real time per iteration
    double cpuNanoseconds = 0;              // processor time per iteration, the kernel's included
    std::map<std::string, double> counters; // the benchmark's own counters
};
using BenchmarkResults = std::map<std::string, BenchmarkResult>;

// Runs the Google Benchmark cases of this executable (command-line options as
// usual), writes their full report to stderr and returns their medians by name.
BenchmarkResults runBenchmarks(int argc, char **argv);
