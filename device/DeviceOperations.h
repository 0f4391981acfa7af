#pragma once
// Moving one parameter between memory and the controller, with the rules that
// are about parameters rather than frames: uninitialised values, the network
// settings flag, partner parameters, free output elements and the identity
// check.

#include <functional>
#include <string>
#include <vector>

class DeviceLink;
class ExchangeObserver;
class Parameter;

// What the identity check found; each text is a run of '\n'-ended lines.
struct DeviceCheckReport {
    std::string errors;
    std::string info;
};

class DeviceOperations {
public:
    // Writes "n.Ch" by reconfiguring the channels; returns its result.
    using ChannelConfigurator = std::function<int(Parameter& channelCount)>;

    explicit DeviceOperations(DeviceLink& link) : link(link) {}

    // A reply lost, garbled or about another request is asked for again, up
    // to three exchanges in all; p.exchange says how the last one ended.
    int ReadParameter(Parameter* p);
    int WriteParameter(Parameter* p);
    // The write of the pages: "n.Ch" reconfigures the channels, a partner
    // parameter is written too.
    int WriteChannelParameter(Parameter* p);
    // Lines of every later exchange go to log (null: none), for a trace.
    void SetExchangeLog(std::vector<std::string>* log) { exchangeLog = log; }
    // Told of every successful read and write (null: nobody).
    void SetObserver(ExchangeObserver* o) { observer = o; }
    // Unset, "n.Ch" is written like any other parameter.
    void SetChannelConfigurator(ChannelConfigurator configurator) {
        channelConfigurator = std::move(configurator);
    }

    // Links p to the first output element nothing drives and adds a line.
    void ConnectToFreeOutput(Parameter& p, std::vector<std::string>& lines);

    // Reads the identity parameters; true when every read succeeded.
    bool CheckDevice(DeviceCheckReport& report);
    // The same, with the findings shown in message boxes.
    bool CheckDevice();

    // Switches the program to the controller's factory line settings and
    // reopens the port; returns the open result.
    int SetFactoryNetworkSettings();

private:
    int Exchange(int request, Parameter& p);
    Parameter* PartnerOf(const Parameter& p) const;
    int ReadForCheck(const char* name, Parameter* p, std::string& errors);

    DeviceLink& link;
    ChannelConfigurator channelConfigurator;
    std::vector<std::string>* exchangeLog = nullptr;
    ExchangeObserver* observer = nullptr;
};
