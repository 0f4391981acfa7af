#pragma once
// The program's side of the RS-485 link: the device's six settings plus the
// computer's port, kept in the settings file between runs.

#include "device/NetRS485.h"

class SettingsStore;

class NetRS485prg : public NetRS485 {
public:
    NetRS485prg() = default;
    // Stores the settings, so they survive however the program ends.
    ~NetRS485prg() override;

    // Creates the parameters, then loads them from the settings file.
    void BuildParameters() override;
    int GetElementKind() const override { return 19; }
    int GetElementVariant() const override { return 19; }
    std::string GetTypeName() const override;
    std::string GetDescription() const override;

    // Writes the settings file now. 0, or the store's failure code.
    int Store();
    // Off for a tool whose settings are one-off overrides.
    bool storeOnDestruction = true;

private:
    void Load(const SettingsStore& store);

    bool built = false; // only settings that were loaded are stored back
};
