#pragma once
// The device's own RS-485 configuration: six parameters read from and written
// to the controller like any others.

#include "params/ControllerLinkSettings.h"
#include "params/InvisibleElement.h"

#include <string>

// The program's own set adds the port to the controller's link settings.
inline constexpr const char* kPortName = "Port";

// The controller's factory network settings, which the program also starts
// from when nothing is stored.
inline constexpr int kFactoryAddress = 16;
inline constexpr int kFactoryAddressLength = 8;
inline constexpr int kFactoryBaud = 9600;
inline constexpr int kFactoryByteSize = 8;
inline constexpr int kFactoryStopBits = 1;
inline constexpr const char* kFactoryParityText = kParityNoneText;

class NetRS485 : public InvisibleElement {
public:
    void BuildParameters() override;
    int GetElementKind() const override { return 4; }
    int GetElementVariant() const override { return 4; }
    std::string GetTypeName() const override;

    // True for the six names above other than "Port", in any case.
    static bool IsNetworkSettingName(const std::string& name);

protected:
    void AddParameter(const char* name, const char* description, const std::string& format);
};
