#pragma once
// Writing the output-element links of the channels: every link is
// disconnected first and connected after, so the controller never sees two
// blocks on one element; duplicates are refused before anything is written.

#include <functional>
#include <initializer_list>
#include <string>

class ConfigurationProgress;
class DeviceOperations;
class Parameter;
class OutputElementMasks;
class ParameterTable;

enum class LinkWriteOutcome {
    Written,   // go on with Next
    Duplicate, // the duplicate message was shown, nothing written: stay
    Failed,    // the block was disconnected, message shown, screen re-read: stay
};

class OutputLinks {
public:
    OutputLinks(DeviceOperations& ops, const ParameterTable& table,
                ConfigurationProgress& progress)
        : ops(ops), table(table), progress(progress) {}

    // Service page in modifications 4 and 5: every "op" and "rel.a" off, then
    // the elements of masks connected for channel positions 0..channelCount-1.
    void AssembleOutputElements(const OutputElementMasks& masks, int modification,
                                int channelCount);

    // Page kind 49 (modification 1): the links "op" 2i of the table's values.
    // A link the controller does not take is named in a box: Failed.
    LinkWriteOutcome WriteOutputLinks(int channelCount);

    // Page kinds 74-81 (modifications 3 and 6) for channel index k. On a
    // refused connection rereadScreen asks the page for a new reading.
    LinkWriteOutcome WriteGateValveOutputs(int k, int kind,
                                           const std::function<void()>& rereadScreen);

    // A gate-valve screen being set up: both links with the channel's
    // standard elements, written at once.
    void SetGateValveDefaults(int k, int kind, int modification);

    // Channel-count page in modifications 3 and 6: every "op" and "se.p" off.
    void DisconnectOutputElements();

private:
    bool WriteLink(Parameter& link);
    void WriteEach(std::initializer_list<Parameter*> params, std::string& failed);
    static void ReportUnwritten(const char* head, const std::string& failed);
    DeviceOperations& ops;
    const ParameterTable& table;
    ConfigurationProgress& progress;
};
