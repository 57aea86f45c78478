#include "summary.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <iostream>
#include <vector>

namespace {

// Three significant digits or more, never scientific notation.
std::string number(double value)
{
    char text[64];
    const char *format = value >= 100 ? "%.0f" : value >= 10 ? "%.1f" : value >= 1 ? "%.2f" : "%.3g";
    std::snprintf(text, sizeof text, format, value);
    return text;
}

// The benchmark's function and arguments, without the repetition count.
std::string nameOf(const benchmark::BenchmarkReporter::Run &run)
{
    const auto &name = run.run_name;
    return name.args.empty() ? name.function_name : name.function_name + '/' + name.args;
}

// The usual console report, kept, plus the medians of the repetitions.
class MedianCollector final : public benchmark::ConsoleReporter {
public:
    BenchmarkResults results;

    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.error_occurred || !(single || median))
                continue;
            BenchmarkResult &result = results[nameOf(run)];
            const double perSecond = benchmark::GetTimeUnitMultiplier(run.time_unit);
            result.nanoseconds = run.GetAdjustedRealTime() / perSecond * 1e9;
            result.cpuNanoseconds = run.GetAdjustedCPUTime() / perSecond * 1e9;
            for (const auto &[name, counter] : run.counters)
                result.counters[name] = counter.value;
        }
    }
};

} // namespace

void printRow(const SummaryRow &row)
{
    std::string reference = "-", ratio = "-", target = "-", met = "-";
    if (row.reference)
        reference = number(*row.reference);
    if (row.reference && *row.reference > 0) { // a ratio to nothing says nothing
        const double quotient =
            row.higherIsBetter ? *row.reference / row.program : row.program / *row.reference;
        char text[32];
        std::snprintf(text, sizeof text, "%.2f", quotient);
        ratio = text;
        if (row.target > 0) {
            std::snprintf(text, sizeof text, "<= %.2f", row.target);
            target = text;
            met = quotient <= row.target ? "yes" : "no";
        }
    }
    std::printf("%s\t%s\t%s\t%s\t%s\t%s\n", row.measure.c_str(), number(row.program).c_str(),
                reference.c_str(), ratio.c_str(), target.c_str(), met.c_str());
    std::fflush(stdout);
}

BenchmarkResults runBenchmarks(int argc, char **argv)
{
    benchmark::Initialize(&argc, argv);
    MedianCollector reporter;
    reporter.SetOutputStream(&std::cerr);
    reporter.SetErrorStream(&std::cerr);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return reporter.results;
}
