#pragma once
// The simulated line as one object: its controller (or several, each at its
// own address with its own values and state file), the line's faults and
// the journal. Every call may come from any thread; without an address the
// calls mean the first controller.

#include "sim/FaultInjector.h"
#include "sim/SimController.h"

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
        //!< Several: one controller at each, every one with link's other
        //!< settings, the state file FILE.ADDRESS and journal lines "ADDRESS: ...".
        std::vector<int> addresses;
        FaultSettings faults;
        bool menu = false;                    //!< start inside the front-panel menu
        unsigned seed = 1;
    };

    // false with error when the base or the state file cannot be used.
    bool Start(const Options& options, std::string& error);

    // One frame text received on the line (with its '#' and CR); line: what
    // the master's side of a pseudo-terminal is set to, null where unseen.
    // Replies of several controllers collide into one garbled frame.
    FaultInjector::Outcome Receive(std::string_view text, const LineState* line = nullptr);
    // Some controller hears a line set like this.
    bool Hears(const LineState& line) const;

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

    // A parameter's value text; false when there is no such parameter (or
    // no controller started at address).
    bool Value(const std::string& name, int index, std::string& value) const;
    bool ValueAt(int address, const std::string& name, int index, std::string& value) const;

    // The journal of accepted writes and applied commands so far.
    std::vector<std::string> JournalLines() const;

    void SetLog(Log log);
    // Called after a change the server must see (line up or down).
    void SetWaker(std::function<void()> waker);

private:
    void SaveIfChanged();
    void Wake();
    bool ValueOf(std::size_t controller, const std::string& name, int index,
                 std::string& value) const;
    ControllerModel& First() { return controllers_.front()->Model(); }
    const ControllerModel& First() const { return controllers_.front()->Model(); }

    mutable std::mutex mutex_; //!< Guards every member below.
    std::vector<std::unique_ptr<SimController>> controllers_;
    std::vector<int> addresses_; //!< each controller's start address, in step with controllers_
    std::unique_ptr<FaultInjector> faults_;
    Journal journal_;
    bool lineUp_ = true;
    Log log_;
    std::function<void()> waker_;
};
