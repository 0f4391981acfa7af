#pragma once
// The program's side of the RS-485 link: the device's six settings plus the
// computer's port, kept in the settings file between runs.

#include "device/NetRS485.h"

#include <string>
#include <vector>

class SettingsStore;

class NetRS485prg : public NetRS485 {
public:
    // Creates the parameters, then loads them from the settings file. A file
    // that cannot be read is said through the prompter; the defaults hold
    // for this run and the file is never replaced.
    void BuildParameters() override;
    int GetElementKind() const override { return 19; }
    int GetElementVariant() const override { return 19; }
    std::string GetTypeName() const override;
    std::string GetDescription() const override;
    // The port row offers the ports present now. Listing them walks the
    // system's ttys, so it happens where the row is shown, not at start-up.
    void ListPorts();

    // Writes the settings to the settings file when a setting changed since
    // it was loaded or last stored; never called implicitly. 0 (also when
    // nothing changed), or -1: not loaded, the file could not be read, or
    // the write failed.
    int Store();

private:
    void Load(const SettingsStore& store);
    std::vector<std::string> Values() const;

    bool built = false;      // only settings that were loaded are stored back
    bool unreadable = false; // the file is left as it was
    std::vector<std::string> storedValues;
};
