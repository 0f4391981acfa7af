#pragma once
// Every controller parameter by name and index. Filled once before the pages
// run and read-only afterwards, so lookups from several threads need no lock.

#include "params/Parameter.h"
#include "util/Prompter.h"

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class ParameterTable {
public:
    // Where a walk with FindNextParameter stands. A fresh one is at the start.
    struct Position {
        std::string key;   // the entry reached
        bool past = false; // the walk has moved past that entry
    };

    ParameterTable() = default;
    ParameterTable(const ParameterTable&) = delete;
    ParameterTable& operator=(const ParameterTable&) = delete;

    // "name:index" in lower case; a negative index counts as 0.
    static std::string MakeKey(std::string_view name, int index);

    // The parameter under (name, index); null on a miss, which shows
    // nothing: the caller decides whether to show MissingNotice.
    Parameter* FindParameter(std::string_view name, int index) const;
    // How a miss of name is told: the name alone, whatever the index.
    static Prompt MissingNotice(std::string_view name);

    // The next parameter named name (any case) from position on, in the
    // table's order; with advance, position moves past it.
    Parameter* FindNextParameter(std::string_view name, Position& position, bool advance) const;

    // Takes the parameter under its name and index unless that key is taken:
    // then the parameter is dropped and null returned (the first one wins).
    Parameter* Adopt(std::unique_ptr<Parameter> parameter);

    void ClearParameterTable();

    // Every parameter, in the order of their keys.
    std::vector<Parameter*> All() const;

    // The base file that filled the table; empty when none.
    const std::string& BaseFileName() const { return baseFileName; }
    void SetBaseFileName(std::string fileName) { baseFileName = std::move(fileName); }

    std::size_t size() const { return entries.size(); }
    bool empty() const { return entries.empty(); }

private:
    std::map<std::string, std::unique_ptr<Parameter>, std::less<>> entries;
    std::string baseFileName;
};
