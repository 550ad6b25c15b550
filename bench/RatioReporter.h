#pragma once

#include <benchmark/benchmark.h>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

// The console report, then each measured benchmark's time over its reference's from the same
// run, beside the goal it is held to. Processor time, as the machine is shared: the thread's, or
// the process's for a run that asks for it; a manually timed run reports the processor time it
// measured itself (another program's, say).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    struct Ratio {
        std::string Measured;
        std::string Reference;
        double Goal;
    };

    explicit RatioReporter(std::vector<Ratio> ratios) : ratios_(std::move(ratios)) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            const bool manual = run.run_name.time_type == "manual_time";
            times_[run.benchmark_name()] = manual ? run.GetAdjustedRealTime() : run.GetAdjustedCPUTime();
        }
    }

    void PrintRatios() const
    {
        for (const Ratio& ratio : ratios_) {
            const auto measured = times_.find(ratio.Measured);
            const auto reference = times_.find(ratio.Reference);
            if (measured == times_.end() || reference == times_.end() || reference->second <= 0)
                continue;
            std::printf("%s / %s = %.2f (at most %.2f)\n", ratio.Measured.c_str(), ratio.Reference.c_str(),
                        measured->second / reference->second, ratio.Goal);
        }
    }

private:
    std::vector<Ratio> ratios_;
    std::map<std::string, double> times_;
};
