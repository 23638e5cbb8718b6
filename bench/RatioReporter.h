#pragma once

#include <benchmark/benchmark.h>
#include <map>
#include <string>

// Prints the runs as usual and keeps each benchmark's real time, so that pairs measured in the
// same run can be printed as ratios at the end. A benchmark with arguments is named with them, as
// "DrawContactSheet/2".
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Colours only on a terminal, so that saved output stays plain text.
    RatioReporter();
    void ReportRuns(const std::vector<Run>& runs) override;
    // Real time of `measured` over that of `baseline`; prints it with its label and, when given, its goal.
    void printRatio(const std::string& label, const std::string& measured, const std::string& baseline,
                    double goal = 0) const;
    // The real time of one iteration of `measured` in milliseconds, against a goal in milliseconds.
    void printTime(const std::string& label, const std::string& measured, double goalMs) const;

private:
    std::map<std::string, double> realTimes_;
    std::map<std::string, double> milliseconds_;
};
