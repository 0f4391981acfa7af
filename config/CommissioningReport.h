#pragma once
// What a commissioning report says about one controller, as read from it:
// plain data, drawn by render/ as HTML or PDF.

#include <string>
#include <vector>

struct ReportValue {
    std::string key;     // "NAME[INDEX]"
    std::string caption;
    std::string value;   // kNoData when it could not be read
    bool read = true;
};

// One block of the controller or of a channel, input or output element.
struct ReportSection {
    std::string title;   // "Канал 2: Регулятор"
    std::vector<ReportValue> values;
};

struct ReportLink {
    std::string element;  // the element's text, as the controller holds it
    int channel = 0;      // from 1
    std::string function; // the link's caption
};

// X and Y as the controller holds them; kNoData when unread.
struct ReportGraphNode {
    std::string x;
    std::string y;
};

// The setpoint-correction graph of a channel, with the limits of its first
// node's X and Y, as the wizard's graph control takes them.
struct ReportGraph {
    int channel = 0;
    double xLower = 0.0, xUpper = 0.0, yLower = 0.0, yUpper = 0.0;
    std::vector<ReportGraphNode> nodes;
};

// A write of the wizard's session: old value -> new value.
struct ReportWrite {
    std::string key;
    std::string caption;
    std::string oldValue;
    std::string newValue;
};

struct CommissioningReport {
    std::string model;        // "dev"
    std::string firmware;     // "ver"
    std::string modification; // "mod.v"
    std::string channelCount; // "n.Ch"
    std::string date;         // YYYY-MM-DD HH:MM, local time
    std::vector<ReportValue> network;       // address and link settings
    std::vector<ReportSection> controller;  // behaviour after a power failure, indication
    std::vector<ReportSection> channels;    // blocks of the channels in use, inputs, elements
    std::vector<ReportLink> links;
    std::vector<ReportGraph> graphs;
    std::vector<std::string> unread;        // keys of the values that could not be read
    std::vector<ReportWrite> writes;        // the wizard's session only
};
