#pragma once
// One serial port talking half-duplex RS-485 through an adapter whose
// transmitter follows RTS: sends a request frame with RTS raised, then waits
// for the reply that ends with CR. A port named "tcp://HOST:PORT" is a
// serial device server reached over TCP instead.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "link/AbortEvent.h"
#include "link/FrameCodec.h"
#include "link/LineControl.h"
#include "link/LineSettings.h"
#include "link/LineTiming.h"
#include "link/PortReply.h"

class SerialPort {
public:
    // Results of transfer.
    static constexpr int kDone = 0;      //!< reply up to CR received (or nothing came)
    static constexpr int kTimedOut = 2;  //!< no CR within the reply time-out
    static constexpr int kLineError = 3; //!< parity/framing error, break, overrun, overlong reply
    static constexpr int kAborted = -1;  //!< the exit event is set
    static constexpr int kNotOpen = -2;  //!< the port is not open
    //! The device vanished (adapter pulled out): the port is closed, a retry
    //! cannot help; error_text() says so.
    static constexpr int kDeviceGone = -4;

    SerialPort();
    explicit SerialPort(LineControlFactory factory);
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    LineSettings& settings() { return settings_; }
    const LineSettings& settings() const { return settings_; }
    int address_length() const { return address_length_; }
    void set_address_length(int bits) { address_length_ = bits; }
    int device_address() const { return device_address_; }
    void set_device_address(int address) { device_address_ = address; }

    // "ExitEvent": aborts a transfer in progress and every later one until reset.
    AbortEvent& exit_event() { return exit_event_; }
    // Character time and reply time-out of the settings the port was opened with.
    const LineTiming& timing() const { return timing_; }
    bool is_open() const { return fd_ >= 0; }
    bool is_network() const { return network_; }
    // The adapter was heard handing a request back (its echo is dropped).
    bool echoes() const { return echoes_; }
    int native_handle() const { return fd_; }
    // The last transfer dropped a reply about another request (another name
    // hash or address): a late reply, or another master's.
    bool foreign_dropped() const { return foreign_dropped_; }
    // Why the last open failed, or that the device vanished; empty otherwise.
    const std::string& error_text() const { return error_text_; }

    // 0; -1 the port cannot be opened or is in use (a network port says why
    // in error_text()); -2 state unreadable, or
    // parity, stop bits or baud rate not accepted; -3 byte size not 5..8;
    // -4 the new state was refused. A failed open leaves the port closed.
    int open();
    // 0; -2 not open; -1 the queues could not be purged (the port stays open).
    int close();
    // kind 0 input, 1 pending output, 2 both, other kinds nothing. 0, -2 not open, -1 failed.
    int purge(int kind);
    // Sends count characters and puts the reply in reply. Input waiting on
    // the line is discarded first; a reply about another request is dropped
    // and the wait goes on within the same time-out.
    int transfer(const char* chars, std::size_t count, PortReply& reply);

private:
    int configure();
    int send(const char* chars, std::size_t count);
    int write_all(const char* chars, std::size_t count);
    int receive(const char* chars, std::size_t count, PortReply& reply);
    bool about_another_request(const Frame& sent, const Frame& reply) const;
    bool overrun_during(std::uint64_t before, bool counted);
    void release();

    LineControlFactory factory_;
    std::unique_ptr<LineControl> line_;
    int fd_ = -1;
    AbortEvent exit_event_{"ExitEvent"};
    LineSettings settings_;
    int address_length_ = 8;
    int device_address_ = 16;
    LineTiming timing_;
    bool kernel_rs485_ = false;
    bool network_ = false;
    bool echoes_ = false;
    bool foreign_dropped_ = false;
    std::string error_text_;
};
