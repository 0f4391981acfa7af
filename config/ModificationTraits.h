#pragma once
// What each modification of the controller is, in one table: its functional
// blocks, the channel counts it takes, how the wizard walks its channels and
// which pages and set-up steps it goes through. Whatever differs between
// modifications reads its row here; nothing else names a modification.

#include "config/ModificationFeatures.h"

#include <vector>

inline constexpr int kModificationCount = 6;

// The page each channel's pass starts on.
enum class ChannelPage {
    None,      // no channel pages: one pass over all channels
    GateValve, // the gate-valve channel page
    Functions, // the channel functions page with the output elements
};

// Where the setpoint-correction graph is edited.
enum class GraphUse {
    None,         // no setpoint, no graph
    FromSetpoint, // a setpoint screen's button opens it; OK and Cancel return there
    InWalk,       // the last step of each channel pair's pass
};

// The output element a PWM screen is about.
enum class PwmElement {
    OfChannel,  // the channel's own
    OfLink,     // the one the channel's "OP" link names
    Assigned,   // the one the channel functions page assigned
};

// The explanation the channel-count page shows.
enum class CountExplanation {
    None,
    AllEight,          // set up for 8 channels, Next keeps them
    AllFourGateValve,  // set up for 4 channels, Next keeps them
    Choose,            // choose the number
};

struct ModificationTraits {
    int number = 0; // 1..6; 0 for a number the controller does not have
    ModificationFeatures features{};

    // Channel counts offered, in order, and the explanation beside them.
    std::vector<int> counts;
    CountExplanation countExplanation = CountExplanation::None;
    // The highest "n.Ch" the controller takes.
    int maxChannels = 8;

    // The walk: where each channel's pass starts, whether channels work in
    // pairs (channel index p / 2, the position steps by 2), measuring inputs
    // per channel step, and where the graph is edited.
    ChannelPage channelPage = ChannelPage::None;
    bool pairs = false;
    int inputsPerStep = 2;
    GraphUse graph = GraphUse::None;
    PwmElement pwmElement = PwmElement::OfChannel;
    // One screen lists every channel's output-element link ("OP" 2i).
    bool outputLinksScreen = false;
    // The input screens ask whether to take the square root of the input.
    bool asksSquareRoot = false;

    // Inputs a channel page may switch on (the computing block's inputs).
    int switchableInputs = 0;
    // The input the gate-valve position sensor is wired to.
    int positionSensorInput = 2;
    // The gate valve's position comes from a model or from its sensor; the
    // sensor then leaves the computing block free.
    bool positionModel = false;
    // Computing-block signals per block in the numbering of "SCA" rows.
    int signalsPerBlock = 4;
    // Output elements each gate-valve channel owns (its links' defaults).
    int gateValveElements = 0;
    // The channel page asks about the inspector and the LBA alarm.
    bool asksInspector = false;
    // The inspector is switched by "e.use" 6p; switching it off frees "rel.a".
    bool inspectorByUse = false;
    // No regulator: after a power loss the inspectors go on working.
    bool inspectorsOnly = false;

    // Writes that follow a change of the channel count.
    bool discreteOutputs = false;       // every "r.el" a plain switch
    bool fourthSignals = false;         // each computing block's fourth signal
    bool resetsComputingBlocks = false; // every "cal.t" 8c of the channels choice 0
    bool disconnectsOutputs = false;    // every "op" and "se.p" off
    // Service page: the output elements assembled from the channel pages.
    bool assemblesOutputs = false;
};

// The row of modification 1..6; an empty row (number 0) for any other.
const ModificationTraits& TraitsOf(int modification);

bool IsKnownModification(int modification);

// The blocks of modification 1..6; none for any other number.
ModificationFeatures FeaturesOf(int modification);
