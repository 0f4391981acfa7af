#pragma once
// Reads a controller for its commissioning report: the configuration pass
// of `dump` (its retries and progress), going on past values that cannot be
// read, which the report marks and lists.

#include "config/CommissioningReport.h"

#include <functional>
#include <string>

class DeviceOperations;
class ParameterTable;

class CommissioningReportReader {
public:
    using Progress = std::function<void(int done, int total)>;

    CommissioningReportReader(DeviceOperations& ops, const ParameterTable& table)
        : ops(ops), table(table) {}
    void SetProgress(Progress p) { progress = std::move(p); }

    // 0, or the read's result with "NAME[INDEX]: text" in error when the
    // controller could not be read at all (nothing is reported then).
    int Read(CommissioningReport& report, std::string& error);

private:
    DeviceOperations& ops;
    const ParameterTable& table;
    Progress progress;
};
