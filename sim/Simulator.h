#pragma once
// The simulated controller as one object: its parameters, its behaviour,
// its faults and its state file. Every call may come from any thread.

#include "sim/ControllerModel.h"
#include "sim/FaultInjector.h"
#include "sim/RequestHandler.h"
#include "sim/StateFile.h"

#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

class Simulator {
public:
    using Clock = std::chrono::steady_clock;
    using Log = std::function<void(const std::string&)>;

    struct Options {
        std::string basePath;                 //!< parameters_m.zip
        std::string statePath;                //!< empty: start from the base's values
        std::string journalPath;              //!< empty: the journal is kept in memory only
        ControllerModel::Options model;
        std::optional<LinkConfig> link;       //!< link settings to start with
        FaultSettings faults;
        bool menu = false;                    //!< start inside the front-panel menu
        unsigned seed = 1;
    };

    // false with error when the base or the state file cannot be used.
    bool Start(const Options& options, std::string& error);

    // One frame text received on the line (with its '#' and CR).
    FaultInjector::Outcome Receive(std::string_view text);

    void FrontPanelReset();
    void SetMenu(bool on);
    void SetFaults(const FaultSettings& faults);
    FaultSettings Faults() const;
    // The line is up unless an adapter pull was played; the server follows.
    void SetLineUp(bool up);
    bool LineUp() const;

    LinkConfig ActiveLink() const;
    int Modification() const;
    bool Busy() const;
    // When the server must wake next to end a change of modification.
    std::optional<Clock::time_point> WakeAt() const;
    void Settle();

    // A parameter's value text; false when there is no such parameter.
    bool Value(const std::string& name, int index, std::string& value) const;

    // The journal of accepted writes and applied commands so far.
    std::vector<std::string> JournalLines() const;

    void SetLog(Log log);
    // Called after a change the server must see (line up or down).
    void SetWaker(std::function<void()> waker);

private:
    void SaveIfChanged();
    void Wake();

    mutable std::mutex mutex_; //!< Guards every member below.
    SimParameterBase base_;
    std::unique_ptr<ControllerModel> model_;
    std::unique_ptr<RequestHandler> handler_;
    std::unique_ptr<FaultInjector> faults_;
    std::unique_ptr<StateFile> state_;
    Journal journal_;
    bool lineUp_ = true;
    Log log_;
    std::function<void()> waker_;
};
