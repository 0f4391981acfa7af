#pragma once
// The reference lists of the parameter screens: which parameters each screen
// shows, in display order, as reference texts resolved against the screen's
// base index (see params/ReferenceText.h). Every list ends with an empty
// entry, so several of them could share one table.

#include "params/ReferenceText.h"

// The parameter screens that show a reference list.
enum class Screen {
    Inputs,           // kinds 1-8: one measuring input
    PositionSensor,   // kinds 9-16: the gate-valve position sensor input
    ComputingBlock,   // kinds 17-24
    Pid,              // regulator-type kinds with a PID regulator
    OnOff,            // regulator-type kinds with an on/off regulator
    Setpoint,         // kinds 26, 28 ... 40
    Autotuning,       // kinds 41-48
    OutputLinks,      // kind 49, modification 1
    Pwm,              // kinds 50-57
    Inspector,        // kinds 58-65
    Lba,              // kinds 66-73
    GateValveControl, // kinds 74-81
    Indication,       // the service page, base index 0
};

inline constexpr Screen kAllScreens[] = {
    Screen::Inputs,
    Screen::PositionSensor,
    Screen::ComputingBlock,
    Screen::Pid,
    Screen::OnOff,
    Screen::Setpoint,
    Screen::Autotuning,
    Screen::OutputLinks,
    Screen::Pwm,
    Screen::Inspector,
    Screen::Lba,
    Screen::GateValveControl,
    Screen::Indication,
};

inline constexpr const char* kInputsReferences[] = {
    "itrL", "in.Fd", "in.FG", "in.SH", "in.SL", "Ain.L", "Ain.H", "",
};

inline constexpr const char* kPositionSensorReferences[] = {
    "itrL",
    "in.Fd",
    "in.FG",
    "",
};

inline constexpr const char* kComputingBlockReferences[] = {
    "SCA*8", "SCA*8+1", "<m6>SCA*8+2", "<m6>SCA*8+3", "A.ist*8", "",
};

inline constexpr const char* kPidReferences[] = {
    "db", "Pb", "ti", "td.ti", "i.Upr", "i.min", "P.nom", "",
};

inline constexpr const char* kOnOffReferences[] = {
    "db", "HYS.C+8", "del+8", "hold+8", "",
};

inline constexpr const char* kSetpointReferences[] = {
    "P.-Sp*3",
    "Sp.lu*3",
    "",
};

inline constexpr const char* kOutputLinksReferences[] = {
    "OP", "OP+2", "OP+4", "OP+6", "OP+8", "OP+10", "OP+12", "OP+14", "",
};

inline constexpr const char* kAutotuningReferences[] = {
    "Y0",
    "YdoP",
    "<m3,6>P.tol",
    "",
};

inline constexpr const char* kPwmReferences[] = {
    "tHP",
    "t.L",
    "",
};

inline constexpr const char* kInspectorReferences[] = {
    "a.i.j*6",         "a.i.j*6+1", "<m4,2,6,5>LG.tY*6",
    "<m4,6,5>rf.pt*6", "del",       "bl.st*2+1",
    "bl.t*2+1",        "<m6>rel.a", "",
};

inline constexpr const char* kLbaReferences[] = {
    "d.lba",
    "t.lba",
    "",
};

inline constexpr const char* kGateValveControlReferences[] = {
    "db.F*2", "t.stp*2",      "tp.l*2",     "tp.h*2",       "tfp*2",
    "lsp*2",  "<m3,6>se.p*2", "<m3,6>op*2", "<m3,6>op*2+1", "",
};

inline constexpr const char* kIndicationReferences[] = {
    "dp:0",  "dp:8",  "dp:16", "dp:24", "dp:32", "dp:40",
    "dp:48", "dp:56", "ind.r", "ind.s", "ind.t", "",
};

// The list of a screen, up to and including its empty end entry.
ReferenceList ScreenReferences(Screen screen);

// Short English name of the screen, for test and trace texts.
const char* ScreenName(Screen screen);
