#pragma once
// The command line of zrk640ctl: link overrides, the command and its words.

#include <optional>
#include <string>
#include <vector>

// Link settings given on the command line; unset ones come from elsewhere
// (the settings file, or the settings the link has now).
struct LinkOverrides {
    std::optional<std::string> port;
    std::optional<int> baud;
    std::optional<int> parityCode;
    std::optional<int> byteSize;
    std::optional<int> stopBits;
    std::optional<int> address;
    std::optional<int> addressLength;
};

struct CtlOptions {
    LinkOverrides link;
    std::optional<std::string> format; // for a parameter the base does not know
    bool trace = false;
    bool help = false;
    bool version = false;
    std::string command;
    std::vector<std::string> words; // the command's own arguments

    // check
    bool scanOnSilence = false; // look at every other link setting too
    // scan
    bool all = false;         // every controller, not only the first
    bool noBroadcast = false; // ask every address even where broadcast is silent
    std::optional<std::pair<int, int>> addresses;
    // diff, restore
    bool partial = false; // the file sets some values on purpose: no end line needed
    std::vector<int> busAddresses; // each controller in turn; empty: the link's own address
    // restore
    bool modification = false; // may change "mod.v"
    bool network = false;      // may change the address and the link settings
    // relink: the settings to switch to
    LinkOverrides target;

    // 0, or 2 with the reason in error.
    int Parse(int argc, const char* const* argv, std::string& error);

    static const char* HelpText();
};
