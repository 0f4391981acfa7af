#pragma once
// The far end of a pseudo-terminal pair: a thread that answers every request
// (bytes up to CR) with the next scripted reply. An empty reply stays silent;
// kHangUp closes the line instead of answering.

#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "link/AbortEvent.h"

class PtyPeer {
public:
    static inline const std::string kHangUp = "\x01hang-up";

    PtyPeer();
    ~PtyPeer();

    // Path of the terminal side that SerialPort opens.
    const std::string& port_path() const { return slave_path_; }
    int master_fd() const { return master_; }

    // Once the script is used up, every request gets otherwise.
    void script(std::deque<std::string> replies, std::string otherwise = {});
    // Start only once the port is open: a master without its terminal side
    // reads nothing but hang-ups.
    void start();
    // Blocks until count requests have come in (or 5 s passed).
    bool wait_for_requests(std::size_t count);
    std::vector<std::string> requests();

private:
    void run();
    bool answer(const std::string& request);

    int master_ = -1;
    std::string slave_path_;
    std::thread thread_;
    AbortEvent stop_{"stop"};
    std::mutex mutex_; //!< Protects replies_ and requests_.
    std::condition_variable changed_;
    std::deque<std::string> replies_;
    std::vector<std::string> requests_;
    std::string otherwise_;
};
