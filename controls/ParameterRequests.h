#pragma once
// What a parameter list asks of the wizard sheet. The sheet serves these
// with retries, the status text and its error box; tests stand in for it.

#include <functional>

class Parameter;
class QComboBox;
class QObject;

class ParameterRequests {
public:
    virtual ~ParameterRequests() = default;

    // job runs off the GUI thread, then `then` gets its result on the GUI
    // thread unless receiver is gone. The reads and writes below block on the
    // line: call them from such a job or from a page's own worker.
    virtual void RunOnDevice(QObject* receiver, std::function<int()> job,
                             std::function<void(int)> then) = 0;

    // Writes with up to `attempts` tries (0 counts as 1). 1 when a message
    // box was shown for the parameter (the write failed), else 0.
    virtual int WriteParameterRequest(Parameter& parameter, int attempts) = 0;
    // Reads the same way; the same answer.
    virtual int ReadParameterRequest(Parameter& parameter, int attempts) = 0;
    // Adds the parameter's choices that the modification and the output
    // elements already taken allow.
    virtual void FillChoices(QComboBox& combo, Parameter& parameter) = 0;
    // The sheet's Next button, which the list's row rules decide.
    virtual void EnableNext(bool enable) = 0;
    // The page kind of the parameter-list walk; 0 while none is running,
    // and then edits are not written.
    virtual int PageKind() const = 0;
};
