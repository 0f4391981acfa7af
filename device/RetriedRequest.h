#pragma once
// A parameter read or write with several attempts, the status text and the
// warning box: what a page asks of the wizard when it reads or writes one
// value (ParameterRequests::ReadParameterRequest and WriteParameterRequest).

class DeviceLink;
class DeviceOperations;
class Parameter;
class TransferStatus;

class RetriedRequest {
public:
    RetriedRequest(DeviceLink& link, DeviceOperations& operations, TransferStatus& status)
        : link(link), operations(operations), status(status) {}

    // attempts: its low 16 bits count, 0 as 1; a further attempt follows
    // only a lost reply, never a refusal. 1 when the parameter's message
    // text was shown in a warning box, else 0.
    int Write(Parameter& parameter, int attempts);
    int Read(Parameter& parameter, int attempts);
    // The warning box of a request that ended with result: 1 when shown.
    static int Report(bool write, const Parameter& parameter, int result);

private:
    int Run(bool write, Parameter& parameter, int attempts);
    Parameter* WriteSiblings(const Parameter& parameter);

    DeviceLink& link;
    DeviceOperations& operations;
    TransferStatus& status;
};
