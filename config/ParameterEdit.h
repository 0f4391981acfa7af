#pragma once
// The one procedure behind an edit in a parameter list: the typed value is
// checked against its parameter, written to the controller unless its row
// waits for the page, and the row rules then run on the value the
// controller holds, also after a refusal. What the page must show comes back.

#include "config/ScreenRow.h"
#include "util/Prompter.h"

#include <string>
#include <vector>

class Parameter;
class ParameterExchange;

// Result codes of an edit.
inline constexpr int kEditWritten = 0;  // the controller took the value
inline constexpr int kEditTaken = 1;    // the value fits; it is not written (yet)
inline constexpr int kEditRejected = 2; // it does not fit: the old value stays, nothing is sent
inline constexpr int kEditRefused = 3;  // the write failed: the rows show what the controller holds

struct EditOutcome {
    int result = kEditTaken;
    std::vector<Prompt> said;    // what to say, in this order
    std::vector<ScreenRow> rows; // every row afterwards, with its text and state
    bool next = false;           // Next may be enabled
};

class ParameterEdit {
public:
    // rows: the screen in display order; edited: the parameter of the edited
    // cell of that row (its own, or one more the row carries).
    ParameterEdit(std::vector<ScreenRow> rows, int row, Parameter& edited)
        : rows(std::move(rows)), row(row), edited(edited) {}

    // Takes the typed value into the parameter when it fits: kEditTaken or
    // kEditRejected, and what the operator is told about it. No exchange.
    EditOutcome Check(const std::string& typed);
    // After Check took the value; with a device on the device worker. Writes
    // it (not on a deferred row, nor without a device), then runs the row
    // rules on what the controller holds. start: Next as the screen alone
    // allows.
    EditOutcome Write(ParameterExchange* device, bool start);

private:
    std::string CheckPower(const std::string& text, std::vector<Prompt>& said);
    void TakeHeldValue(ParameterExchange& device);

    std::vector<ScreenRow> rows;
    int row;
    Parameter& edited;
    std::string old;
    bool oldChanged = false;
};
