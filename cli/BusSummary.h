#pragma once
// The closing table of a run over many addresses: per address whether a
// controller answered there, what was written or found different, and how
// it ended.

#include <string>
#include <vector>

struct AddressRow {
    enum class State {
        NotTried, // the run stopped before this address
        NotFound, // nothing answered there
        Found,
    };
    int address = 0;
    State state = State::NotTried;
    int written = 0;     // restore: values the controller took
    int refused = 0;     // restore: values that did not take
    int differences = 0; // diff
    bool good = false;   // restore: all written; diff: no difference
    std::string result;  // how it ended, in words
};

class BusSummary {
public:
    // comparing: the columns of diff, else those of restore.
    explicit BusSummary(bool comparing) : comparing(comparing) {}

    void Add(AddressRow row) { rows.push_back(std::move(row)); }
    bool AllGood() const;
    std::string Text() const;

private:
    std::vector<std::string> Cells(const AddressRow& row) const;

    bool comparing;
    std::vector<AddressRow> rows;
};
