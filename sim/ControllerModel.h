#pragma once
// The simulated controller's behaviour behind the frames: parameter reads
// and writes with the device's own rules, the held link settings, the
// change of modification and the front-panel actions. Not thread-safe: the
// Simulator serialises every call.

#include "sim/Answer.h"
#include "sim/Journal.h"
#include "sim/LinkConfig.h"
#include "sim/Measurements.h"
#include "sim/OutputElements.h"
#include "sim/SimParameterBase.h"

#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class ControllerModel {
public:
    using Clock = std::chrono::steady_clock;

    struct Options {
        std::string model = "ZRK640";
        int modification = 0; // 0: the one the parameter values hold
        std::chrono::milliseconds changeTime{2000};
    };

    ControllerModel(SimParameterBase& base, const Options& options, Clock::time_point now);

    Answer Read(std::uint16_t hash, int index, Clock::time_point now);
    Answer Write(std::uint16_t hash, int index, const std::vector<std::uint8_t>& value,
                 Clock::time_point now);
    // "M.s.t.r.": the attribute byte, then the request's data again.
    Answer Attributes(const std::vector<std::uint8_t>& request);
    // "APLY": the held link settings take effect.
    Answer Apply();

    // The front panel's reset of the link settings to the standard ones.
    void FrontPanelReset();
    // Ends a change of modification whose time is up; true when it did.
    bool Settle(Clock::time_point now);
    bool Busy(Clock::time_point now) const { return busyUntil_ && now < *busyUntil_; }
    std::optional<Clock::time_point> BusyUntil() const { return busyUntil_; }

    const LinkConfig& ActiveLink() const { return active_; }
    void SetMenu(bool on) { menu_ = on; }
    bool Menu() const { return menu_; }
    int Modification() const { return modification_; }
    void RecordError(std::uint8_t code);
    // Accepted writes and applied commands go to journal (not owned; null:
    // none), each line starting with tag.
    void SetJournal(Journal* journal, std::string tag = {}) {
        journal_ = journal;
        journalTag_ = std::move(tag);
    }
    // True once after any stored value changed (the state file is due).
    bool TakeChanged();
    // After the parameter values were replaced from outside (a state file).
    void ReloadFromValues();

    static int MaxChannels(int modification);

private:
    Answer ReadSpecial(const SimParameter& p, Clock::time_point now, bool& handled);
    std::uint8_t CheckWrite(SimParameter& p, const std::string& text, Clock::time_point now);
    std::uint8_t CheckModification(int value);
    Answer Reply(const SimParameter& p) const;
    void ResetToFactory();
    void SetValue(const char* name, const std::string& text);

    SimParameterBase& base_;
    Measurements measurements_;
    OutputElements elements_;
    std::string modelName_;
    std::chrono::milliseconds changeTime_;
    LinkConfig active_;
    int modification_ = 1;
    bool menu_ = false;
    bool changed_ = false;
    std::optional<Clock::time_point> busyUntil_;
    int pendingModification_ = 0;
    std::array<std::uint8_t, 3> exit_{0, 0, 7}; // restart cause: power-on reset
    Journal* journal_ = nullptr;
    std::string journalTag_;
};
