#pragma once
// Changing the controller's channel count "n.Ch" one channel at a time: each
// channel switched on gets the standard set-up of its blocks after the count
// is written, each one switched off has them released before, in the order
// and with the values of the controller's modification. Output-element links
// the controller refuses move to a free element and are reported.

#include "config/ChannelSequences.h"
#include "config/ParametersByIndex.h"
#include "device/DeviceOperations.h"
#include "device/LineSilence.h"

#include <map>
#include <string>
#include <vector>

class ConfigurationProgress;
class ParameterTable;

class ChannelConfiguration {
public:
    ChannelConfiguration(DeviceOperations& ops, const ParameterTable& table,
                         ConfigurationProgress& progress)
        : ops(ops), table(table), progress(progress) {}

    // channelCount ("n.Ch") holds the requested count. 0 when nothing had to
    // be done or every count was written; else the failed exchange's result
    // with its text in channelCount.message (a failed read of the current
    // count writes nothing).
    int Apply(Parameter& channelCount, int modification);

private:
    int RunSteps(Parameter& channelCount, int from, int to, const ChannelSequence& sequence);
    int WriteCount(Parameter& channelCount, int count);
    void RunBlock(const std::vector<BlockWrite>& writes, int channel);
    void ShowReport() const;
    void ShowUnwritten() const;

    DeviceOperations& ops;
    const ParameterTable& table;
    ConfigurationProgress& progress;
    std::map<std::string, ParametersByIndex> maps;
    std::vector<std::string> report;
    std::vector<std::string> unwritten; // block writes not taken, with the reasons
    LineSilence silence;                // of the block writes
};
