#pragma once
// The program's one connection to the controller: the serial port, the
// program's link settings, the parameter table and the request/reply
// exchange with its retries.

#include "device/DeviceState.h"
#include "device/NetRS485prg.h"
#include "link/ExchangeResult.h"
#include "link/SerialPort.h"
#include "params/ParameterTable.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

// Results of the exchanges and the device operations.
inline constexpr int kLinkOk = 0;
inline constexpr int kLinkNothing = -1;      // nothing usable received, port not open, bad frame
inline constexpr int kLinkNoReply = 2;       // four time-outs in a row
inline constexpr int kLinkError = 3;         // line, protocol or device error
inline constexpr int kLinkBadValue = 4;      // the value cannot be encoded
inline constexpr int kLinkNotRead = 5;       // value "Нет данных", nothing sent
inline constexpr int kLinkNegativeIndex = 6; // nothing sent
inline constexpr int kAttributeFailed = 200; // the "M.s.t.r." exchange failed
inline constexpr int kAttributeWrongSize = 201;

// Request flags.
inline constexpr int kWrite = 0;
inline constexpr int kRead = 1;

// Address offset that sends to the broadcast address.
inline constexpr int kBroadcastOffset = -1;

class DeviceLink {
public:
    // Lines of an exchange log, one text per line.
    using ExchangeLog = std::vector<std::string>;
    // Receives every frame sent (">> ...") and received ("<< ...").
    using FrameTrace = std::function<void(const std::string& line)>;

    DeviceLink();
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    // One request and its reply, with retries of time-outs, line errors and
    // lost starts. out_data takes up to 15 bytes; result says how it ended.
    int exchange_frame(int request, std::uint16_t hash, const std::uint8_t* data, int length,
                       std::uint8_t* out_data, std::uint8_t& out_length, ExchangeResult& result,
                       int address_offset);

    // Reads or writes p's value once; how it ended goes to p.exchange, its
    // text to p.message.
    int exchange_parameter(int request, Parameter& p, ExchangeLog* log = nullptr);

    // Fills the parameter table from the base beside the program; 0, or 1
    // when the file is missing or damaged.
    int LoadBase();

    // Copies the program's settings into the port.
    void configure_port();
    // Reopens the port with the settings; a failure is shown in a box.
    int open_port();
    // Writes the program's settings to the settings file if a setting
    // changed; the exit procedure calls it. 0 or -1.
    int StoreSettings() { return settings.Store(); }

    Parameter* FindParameter(std::string_view name, int index) const {
        return table.FindParameter(name, index);
    }

    SerialPort& Port() { return port; }
    // Its device vanished (an adapter pulled out) and it has not opened since.
    bool PortLost() const { return lost; }
    NetRS485prg& Settings() { return settings; }
    ParameterTable& Table() { return table; }
    // The link keeps a state of its own until the wizard lends it its own.
    DeviceState& State() { return *state; }
    void UseState(DeviceState& shared) { state = &shared; }

    // Set before the exchanges start; empty: no trace.
    void SetFrameTrace(FrameTrace trace) { frameTrace = std::move(trace); }

private:
    int frame_address(int address_offset) const;
    bool transfer_loop(const std::string& request, PortReply& reply, ExchangeResult& result,
                       int& code);
    int exchange(int request, Parameter& p, ExchangeLog* log, ExchangeResult& result);
    int encode_value(Parameter& p, std::uint8_t* data, int& length, ExchangeLog* log,
                     ExchangeResult& result) const;
    int exchange_attributes(Parameter& p, std::uint8_t* reply, ExchangeResult& result);
    void trace(const char* direction, const std::string& frame) const;

    SerialPort port;
    NetRS485prg settings;
    std::mutex lock; //!< One transfer on the line at a time.
    //! The port was closed because its device vanished; the next exchange
    //! opens it again. Read before the lock is taken, hence atomic.
    std::atomic<bool> lost{false};
    ParameterTable table;
    FrameTrace frameTrace;
    DeviceState ownState;
    DeviceState* state = &ownState;
};
