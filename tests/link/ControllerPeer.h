#pragma once
// A stand-in controller on the far end of a pseudo-terminal pair: a thread
// reads each request up to its CR, decodes it and sends what the test's
// responder returns.

#include "link/FrameCodec.h"

#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

class ControllerPeer {
public:
    // What to send back: the raw text (empty: stay silent). kHangUp closes
    // the line as a pulled-out adapter would.
    using Responder = std::function<std::string(const Frame& request, int nth)>;
    static inline const std::string kHangUp = "<hang up>";

    explicit ControllerPeer(int address_length = 8);
    ~ControllerPeer();
    ControllerPeer(const ControllerPeer&) = delete;
    ControllerPeer& operator=(const ControllerPeer&) = delete;

    const std::string& SlavePath() const { return slavePath; }
    void SetResponder(Responder r);
    std::vector<Frame> Requests() const;

    // A reply frame for request, with the given hash and data.
    static std::string Reply(const Frame& request, std::uint16_t hash,
                             std::vector<std::uint8_t> data, int address_length = 8);
    // The device's error reply with one code byte.
    static std::string ErrorReply(const Frame& request, std::uint8_t code);

private:
    void Run();
    void Answer(const Frame& request);

    int addressLength;
    int master = -1;
    int slaveKeeper = -1; // keeps the line up while the port under test is closed
    int stopPipe[2] = {-1, -1};
    std::string slavePath;
    mutable std::mutex mutex; //!< Protects responder and requests.
    Responder responder;
    std::vector<Frame> requests;
    std::thread thread;
};
