#include "SimBench.h"

#include "util/TextCase.h"

#include <map>

namespace {

// Every parameter of the shipped base answers a read, and every writable one
// takes back the value it holds without changing anything else.
class EveryParameter : public SimBench {};

TEST_F(EveryParameter, IsReadAndWrittenBackUnchanged) {
    StartSim();
    std::map<std::string, std::string> before;
    int count = 0;
    base.ForEach([&](SimParameter& entry) {
        Parameter& p = entry.param;
        const std::string key = ParameterTable::MakeKey(p.name, p.index);
        ASSERT_EQ(link.exchange_parameter(kRead, p), 0) << key << ": " << p.message;
        before[key] = p.value;
        ++count;
    });
    EXPECT_GT(count, 800);

    base.ForEach([&](SimParameter& entry) {
        Parameter& p = entry.param;
        // A change of modification restarts the controller.
        if (entry.readOnly || EqualsNoCase(p.name, "ch.md"))
            return;
        EXPECT_EQ(link.exchange_parameter(kWrite, p), 0)
            << ParameterTable::MakeKey(p.name, p.index) << " = '" << p.value << "': " << p.message;
    });

    // Measured values move by themselves; the settings must not.
    base.ForEach([&](SimParameter& entry) {
        Parameter& p = entry.param;
        if (entry.readOnly)
            return;
        const std::string key = ParameterTable::MakeKey(p.name, p.index);
        ASSERT_EQ(link.exchange_parameter(kRead, p), 0) << key << ": " << p.message;
        EXPECT_EQ(p.value, before[key]) << key;
    });
}

} // namespace
