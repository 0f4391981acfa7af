#pragma once
// Finding controllers whose link settings nobody remembers: every baud
// rate, parity, stop bits and address length, at each one the broadcast
// address first and every address where that helps. Each address costs one
// request and at most one reply time-out: no retries. A controller found is
// asked for its own link settings, which are the ones to use and to show.

#include "link/LineSettings.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

class DeviceLink;

struct ScanPlan {
    std::vector<std::uint32_t> bauds;
    std::vector<int> byteSizes;
    std::vector<int> parities; // ParityCode
    std::vector<int> stopBits;
    std::vector<int> addressLengths;
    int firstAddress = 0;
    int lastAddress = -1;   // -1: the highest of the address length, broadcast left out;
                            // else up to it, as far as the address length goes
    bool broadcast = true;  // false: every address at every setting
    bool all = false;       // go on after the first controller

    // Every setting the controller offers: its factory baud rate first, then
    // the faster ones, then the slower ones.
    static ScanPlan Full();
};

// One controller found.
struct ScanFind {
    LineSettings line;     // what reached it (port name included)
    // Its own settings: what it reported, else what reached it.
    LineSettings OwnLine() const;
    int OwnAddressLength() const;
    int OwnAddress() const;

    int addressLength = 8;
    int address = 0;
    // Its own settings as it reports them: baud, byte size, parity code,
    // stop bits, address length, address; empty when it would not tell.
    std::vector<int> reported;
};

struct ScanProgress {
    std::string setting; // the line setting being tried, as text
    int done = 0;
    int total = 0;
    std::chrono::milliseconds left{0}; // at most, if nobody answers
};

class LinkScan {
public:
    using Progress = std::function<void(const ScanProgress&)>;

    explicit LinkScan(DeviceLink& link) : link(link) {}

    // The port's name is kept; its settings are left at the last one tried.
    // The exit event of the port ends the scan early.
    std::vector<ScanFind> Run(const ScanPlan& plan, const Progress& progress);

    // Requests sent so far.
    int Requests() const { return requests; }

    static std::string SettingText(const LineSettings& line, int addressLength);
    // A controller reached at several settings (a pseudo-terminal or a
    // device server does not carry every one of them) is listed once.
    static void DropRepeats(std::vector<ScanFind>& found);

private:
    enum class Answer { None, Clean, Garbled };
    struct Setting {
        LineSettings line;
        int addressLength;
    };

    Answer Probe(int address, int addressLength, int& replyAddress);
    void Confirm(ScanFind& find);
    bool Open(const Setting& s);
    bool Sweep(const Setting& s, const ScanPlan& plan, std::vector<ScanFind>& found);
    void Report(const Setting& s, int probesLeftHere);
    std::chrono::milliseconds Cost(const Setting& s, int probes) const;

    DeviceLink& link;
    Progress progress;
    std::vector<Setting> settings;
    std::size_t current = 0;
    int perSetting = 1;
    int done = 0;
    int total = 0;
    int requests = 0;
};
