#pragma once
// What the pages get from the wizard besides navigation: the device link and
// its operations, the wizard's state, the retried requests with their status
// line and error box, and the help texts. The main dialog provides them.

#include "config/ParameterExchange.h"
#include "controls/ParameterRequests.h"
#include "params/ParameterHelp.h"

#include <functional>

class ConfigurationProgress;
class QObject;
class DeviceLink;
class DeviceOperations;
class SessionWrites;
class TransferStatus;
class WizardState;
class WorkerRegistry;

class DeviceServices : public ParameterRequests, public ParameterExchange {
public:
    // job runs on the device worker, then `then` gets its result on the GUI
    // thread unless receiver is gone. The reads and writes block on the
    // line: call them from such a job or from a page's own worker.
    virtual void RunOnDevice(QObject* receiver, std::function<int()> job,
                             std::function<void(int)> then) = 0;
    virtual DeviceLink& Link() = 0;
    virtual DeviceOperations& Operations() = 0;
    virtual WizardState& State() = 0;
    // The status line and progress bar; callable from any thread.
    virtual TransferStatus& Status() = 0;
    // Page workers register here so that the exit waits for them.
    virtual WorkerRegistry& Workers() = 0;
    // What the configuration procedures show; callable from any thread.
    virtual ConfigurationProgress& Progress() = 0;
    virtual ParameterHelp GetParameterHelp(const Parameter& parameter) = 0;
    // What this session wrote to the controller.
    virtual const SessionWrites& Writes() const = 0;
};
