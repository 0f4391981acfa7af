#pragma once
// The parameter base the build ships beside the test binary, loaded once.

#include "util/ProgramDirectory.h"
#include "params/ParameterBaseLoader.h"
#include "params/ParameterBaseReader.h"
#include "params/ParameterTable.h"

#include <string>
#include <utility>
#include <vector>

inline const char* const kShippedBase = "parameters_m.zip";

struct ShippedBase {
    ParameterTable table;
    int loadResult = LoadParameterBase(table, kShippedBase, ProgramDirectory());
};

// Loaded on first use; the tests only read it, except for value checks that
// set a parameter to the value it already has.
inline ShippedBase& Shipped() {
    static ShippedBase base;
    return base;
}

struct ShippedRecord {
    std::string name;
    int index;          // as in the base: -1 for a parameter without index
    std::string initial; // the factory-fresh controller the simulator starts from
};

// Every record in the shipped base, in file order.
inline std::vector<ShippedRecord> ShippedRecords() {
    std::vector<ShippedRecord> records;
    ParameterBaseReader reader(ProgramDirectory() + kShippedBase);
    ParameterBaseReader::RecordBytes bytes{};
    while (reader.ReadRecord(bytes)) {
        const ParameterRecord r = ParameterRecord::Decode(bytes.data());
        records.push_back({r.name, r.index, r.initial});
    }
    return records;
}
