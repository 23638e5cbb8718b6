#include "RatioReporter.h"

#include <cstdio>
#include <unistd.h>

RatioReporter::RatioReporter()
    : ConsoleReporter(isatty(fileno(stdout)) ? OO_Defaults : OO_Tabular)
{
}

void RatioReporter::ReportRuns(const std::vector<Run>& runs)
{
    for (const Run& run : runs) {
        if (run.run_type == Run::RT_Iteration) {
            const std::string name = run.run_name.args.empty()
                                         ? run.run_name.function_name
                                         : run.run_name.function_name + '/' + run.run_name.args;
            realTimes_[name] = run.GetAdjustedRealTime();
            milliseconds_[name] =
                run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit) * 1000;
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

void RatioReporter::printRatio(const std::string& label, const std::string& measured,
                               const std::string& baseline, double goal) const
{
    const auto top = realTimes_.find(measured);
    const auto bottom = realTimes_.find(baseline);
    if (top == realTimes_.end() || bottom == realTimes_.end() || bottom->second <= 0) {
        std::printf("%-60s not measured\n", label.c_str());
        return;
    }
    const double ratio = top->second / bottom->second;
    if (goal > 0)
        std::printf("%-60s %6.2f  (goal: at most %.2f, %s)\n", label.c_str(), ratio, goal,
                    ratio <= goal ? "met" : "NOT met");
    else
        std::printf("%-60s %6.2f\n", label.c_str(), ratio);
}

void RatioReporter::printTime(const std::string& label, const std::string& measured, double goalMs) const
{
    const auto time = milliseconds_.find(measured);
    if (time == milliseconds_.end()) {
        std::printf("%-60s not measured\n", label.c_str());
        return;
    }
    std::printf("%-60s %6.1f ms  (goal: at most %.0f ms, %s)\n", label.c_str(), time->second, goalMs,
                time->second <= goalMs ? "met" : "NOT met");
}
