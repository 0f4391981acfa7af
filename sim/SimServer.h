#pragma once
// Runs the simulated controller on its lines (a pseudo-terminal, optionally
// a TCP socket) in one thread that sleeps in poll() until a byte, a due
// reply, the end of a modification change or a stop arrives.

#include "link/AbortEvent.h"
#include "sim/PtyEndpoint.h"
#include "sim/RequestAssembler.h"
#include "sim/Simulator.h"
#include "sim/TcpEndpoint.h"

#include <chrono>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <thread>

#include <time.h>

class SimServer {
public:
    struct Options {
        bool pty = true;
        std::string linkPath;                        //!< stable symlink to the pty; empty: none
        std::string tcp;                             //!< "HOST:PORT"; empty: no TCP
        std::function<void(const std::string&)> trace; //!< every frame in and out
        //!< Set: every reply waits as long as the request and the reply take
        //!< on a real line at the controller's rate, plus this turnaround.
        std::optional<std::chrono::milliseconds> pace;
    };

    static constexpr std::chrono::milliseconds kDefaultTurnaround{5};

    explicit SimServer(Simulator& sim) : sim_(sim) {}
    ~SimServer() { Stop(); }
    SimServer(const SimServer&) = delete;
    SimServer& operator=(const SimServer&) = delete;

    bool Start(const Options& options, std::string& error);
    void Stop();

    std::string SlavePath() const;
    int TcpPort() const { return tcp_.Port(); }

private:
    using Clock = std::chrono::steady_clock;
    struct Pending {
        Clock::time_point due;
        int fd;
        std::string text;
    };

    void Run();
    void FollowLine();
    // The wait until the next due reply or wake-up; null: none is due.
    const timespec* PollTimeout(timespec& left) const;
    void SendDue();
    void ReadFrom(int fd, RequestAssembler& assembler, bool pty);
    void Answer(int fd, std::string_view frame, bool pty);
    // The wait --pace adds to a reply: both frames on the wire and the turnaround.
    Clock::duration Pace(std::size_t characters) const;
    void Trace(const char* direction, std::string_view text) const;

    Simulator& sim_;
    Options options_;
    PtyEndpoint pty_;
    TcpEndpoint tcp_;
    RequestAssembler ptyFrames_, tcpFrames_;
    std::deque<Pending> pending_; // ordered by due time
    AbortEvent stop_{"sim-stop"};
    AbortEvent wake_{"sim-wake"};
    mutable std::mutex pathMutex_; //!< Guards slavePath_ (re-plugging changes it).
    std::string slavePath_;
    std::thread thread_;
};
