#pragma once
// Where the reading of a parameter screen puts what it finds, step by step:
// the page carries each call to its list on the GUI thread.

#include "config/ScreenRow.h"

#include <string>
#include <vector>

class Parameter;

class ScreenTableSink {
public:
    virtual ~ScreenTableSink() = default;
    // The selector's entries and the one the device's value names (-1: none).
    virtual void SelectorFilled(const std::vector<std::string>& entries, int selection) = 0;
    // The square-root question of modification 2: 0 "Нет", 1 "Да", -1 neither.
    virtual void SquareRootRead(int answer) = 0;
    virtual void RowsCleared() = 0;
    // A row before its read: the value cell says "читаю...". A deferred
    // row's value is not written when edited: the page writes it on Next.
    virtual void RowAdded(int row, const std::string& description, Parameter* parameter,
                          bool deferred) = 0;
    virtual void RowRead(int row, const std::string& value) = 0;
    // The read is over (complete or cut short): the rows as added, greyed
    // or freed as the kind decides, and whether the selector shows an entry.
    virtual void TableRead(const std::vector<ScreenRow>& rows, bool selected) = 0;
};
