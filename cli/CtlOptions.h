#pragma once
// The command line of zrk640ctl: link overrides, the command and its words.

#include <optional>
#include <string>
#include <vector>

struct CtlOptions {
    // Link settings given on the command line; unset ones come from the
    // settings file.
    std::optional<std::string> port;
    std::optional<int> baud;
    std::optional<int> parityCode;
    std::optional<int> byteSize;
    std::optional<int> stopBits;
    std::optional<int> address;
    std::optional<int> addressLength;
    std::optional<std::string> format; // for a parameter the base does not know
    bool trace = false;
    bool help = false;
    std::string command;
    std::vector<std::string> words; // the command's own arguments

    // 0, or 2 with the reason in error.
    int Parse(int argc, const char* const* argv, std::string& error);

    static const char* HelpText();

private:
    int TakeOption(const std::string& option, const char* value, std::string& error);
};
