#include "config/ScreenLists.h"

ReferenceList ScreenReferences(Screen screen) {
    switch (screen) {
    case Screen::Inputs:
        return kInputsReferences;
    case Screen::PositionSensor:
        return kPositionSensorReferences;
    case Screen::ComputingBlock:
        return kComputingBlockReferences;
    case Screen::Pid:
        return kPidReferences;
    case Screen::OnOff:
        return kOnOffReferences;
    case Screen::Setpoint:
        return kSetpointReferences;
    case Screen::Autotuning:
        return kAutotuningReferences;
    case Screen::OutputLinks:
        return kOutputLinksReferences;
    case Screen::Pwm:
        return kPwmReferences;
    case Screen::Inspector:
        return kInspectorReferences;
    case Screen::Lba:
        return kLbaReferences;
    case Screen::GateValveControl:
        return kGateValveControlReferences;
    case Screen::Indication:
        return kIndicationReferences;
    }
    return {};
}

const char* ScreenName(Screen screen) {
    switch (screen) {
    case Screen::Inputs:
        return "inputs";
    case Screen::PositionSensor:
        return "position sensor";
    case Screen::ComputingBlock:
        return "computing block";
    case Screen::Pid:
        return "PID";
    case Screen::OnOff:
        return "on/off";
    case Screen::Setpoint:
        return "setpoint";
    case Screen::Autotuning:
        return "autotuning";
    case Screen::OutputLinks:
        return "output links";
    case Screen::Pwm:
        return "PWM";
    case Screen::Inspector:
        return "inspector";
    case Screen::Lba:
        return "LBA";
    case Screen::GateValveControl:
        return "gate-valve control";
    case Screen::Indication:
        return "indication";
    }
    return "";
}
