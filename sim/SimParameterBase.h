#pragma once
// Every parameter the simulated controller knows, loaded from the same
// parameter base the wizard reads, found by name hash and index as a request
// names them.

#include "sim/SimParameter.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

class SimParameterBase {
public:
    SimParameterBase() = default;
    // all_ points into entries_, which a copy would not share.
    SimParameterBase(const SimParameterBase&) = delete;
    SimParameterBase& operator=(const SimParameterBase&) = delete;

    // false with error set when the file is missing, damaged or empty, or
    // two names share one hash (requests could not tell them apart).
    bool Load(const std::string& path, std::string& error);

    bool KnowsHash(std::uint16_t hash) const { return names_.contains(hash); }
    bool IsIndexed(std::uint16_t hash) const;
    SimParameter* Find(std::uint16_t hash, int index);
    SimParameter* Find(std::string_view name, int index);
    const SimParameter* Find(std::string_view name, int index) const;

    void ResetValues();
    void ForEach(const std::function<void(SimParameter&)>& visit);

private:
    bool Add(SimParameter entry, std::string& error);

    struct NameInfo {
        std::string name;
        bool indexed = false;
    };
    std::map<std::uint16_t, NameInfo> names_;
    std::map<std::pair<std::uint16_t, int>, SimParameter> entries_;
    // The same entries in a flat list: a reset walks all of them.
    std::vector<SimParameter*> all_;
};
