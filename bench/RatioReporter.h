#pragma once
// Keeps the real time per iteration of every run, so that a benchmark program can print ratios
// between its runs at the end.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class TRatioReporter : public benchmark::ConsoleReporter {
public:
    // Real time per iteration by benchmark name; with repetitions, the mean.
    std::map<std::string, double> Times;
    // Processor time of the benchmark's thread per iteration, likewise: less swayed by a loaded machine.
    std::map<std::string, double> CpuTimes;
    void ReportRuns(const std::vector<Run>& Runs) override {
        for (const auto& run : Runs) {
            std::string name = run.benchmark_name();
            const bool mean = name.size() > 5 && name.compare(name.size() - 5, 5, "_mean") == 0;
            if (mean) name.resize(name.size() - 5);
            if (mean || run.run_type == Run::RT_Iteration) {
                Times[name] = run.GetAdjustedRealTime();
                CpuTimes[name] = run.GetAdjustedCPUTime();
            }
        }
        ConsoleReporter::ReportRuns(Runs);
    }
};
