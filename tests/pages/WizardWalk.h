#pragma once
// An operator's walk through the whole wizard against the simulator: the
// walk's choices, the answers to its questions, and one action on whatever
// page is shown. Shared by the whole-wizard walks and the fault runs.

#include "WizardOnSim.h"

#include "util/Prompter.h"
#include "util/PrompterGuard.h"

#include <functional>
#include <mutex>
#include <string>
#include <vector>

inline constexpr int kWelcomeId = 137;
inline constexpr const char* kChangeQuestion = "Произвести вызов функции установки модификации";
inline constexpr const char* kNeededQuestion = "В приборе сконфигурирована модификация, отличная";

struct ChannelAnswer {
    int id;
    const char* text;
};

// One operator's walk: the modification, the channels, and what is chosen
// or typed on the way.
struct WalkRow {
    const char* name;
    int modification;
    int channels;
    bool change;                 // "Да" to the change of modification (the controller starts in another)
    std::vector<ChannelAnswer> answers; // on every channel page, before the rest is filled in
    const char* edited = "";     // a value typed in a parameter list...
    const char* typed = "";      // ...and the text typed
    bool graph = false;          // a graph edited (through the setpoint screen's button but in 5)
    int reaction = -1;           // the power-return reaction chosen; -1: kept
};

// Answers the questions as the row's operator (every other question, the
// exit's included, with Yes), every other box with Ok, and keeps their
// captions and texts.
class OperatorBoxes : public Prompter {
public:
    explicit OperatorBoxes(bool change) : change(change) {}
    PromptAnswer ask(const Prompt& prompt) override;
    std::vector<std::string> Texts() const;

private:
    bool change;
    mutable std::mutex mutex;
    std::vector<std::string> texts;
    PrompterGuard guard{*this};
};

class WizardWalk : public WizardOnSim {
protected:
    // The controller at 115200 in the row's modification (another one when
    // the row changes it), with faults; the wizard at its rate, short polls.
    void Start(const WalkRow& row, FaultSettings faults);
    // One operator action on whatever page is shown.
    void Act(const WalkRow& row);
    // Acts until the page is shown, or until done holds; a fatal failure on
    // the way stops it.
    void WalkTo(const WalkRow& row, int pageId);
    void WalkUntil(const WalkRow& row, const std::function<bool()>& done);
    // Until no procedure runs and the parameter list reads no table.
    bool WaitTable();
    // A procedure runs, or the page waits for its reader.
    bool Busy();
    // The controller's journal holds a line that starts with prefix.
    bool Written(const std::string& prefix);

    int screens = 0;
    bool wentBack = false, edited = false, graphed = false, reacted = false;
    std::string chosenReaction;

private:
    void AnswerChannel(const WalkRow& row);
    void OnList(const WalkRow& row);
    void OnGraph(const WalkRow& row);
};
