#pragma once
// The controller's parameter values kept across runs: one "name:index=value"
// line per writable parameter, UTF-8, replaced atomically (temporary file + rename).

#include "sim/SimParameterBase.h"

#include <string>

class StateFile {
public:
    explicit StateFile(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }
    // A missing file is a fresh start (true, nothing changed). A line that
    // names no parameter or holds a value the parameter cannot take fails
    // with the line in error, and no value is changed.
    bool Load(SimParameterBase& base, std::string& error) const;
    bool Save(SimParameterBase& base, std::string& error) const;

private:
    std::string path_;
};
