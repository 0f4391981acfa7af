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
#include <string>
#include <thread>

class SimServer {
public:
    struct Options {
        bool pty = true;
        std::string linkPath;                        //!< stable symlink to the pty; empty: none
        std::string tcp;                             //!< "HOST:PORT"; empty: no TCP
        std::function<void(const std::string&)> trace; //!< every frame in and out
    };

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
    int PollTimeout() const;
    void SendDue();
    void ReadFrom(int fd, RequestAssembler& assembler, bool pty);
    void Answer(int fd, std::string_view frame, bool pty);
    void Trace(const char* direction, std::string_view text) const;

    Simulator& sim_;
    Options options_;
    PtyEndpoint pty_;
    TcpEndpoint tcp_;
    RequestAssembler ptyFrames_, tcpFrames_;
    std::deque<Pending> pending_; // ordered by due time: every reply has the same delay
    AbortEvent stop_{"sim-stop"};
    AbortEvent wake_{"sim-wake"};
    mutable std::mutex pathMutex_; //!< Guards slavePath_ (re-plugging changes it).
    std::string slavePath_;
    std::thread thread_;
};
