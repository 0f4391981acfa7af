#pragma once
// A manual-reset event that any thread may set and that blocking waits can
// watch through a file descriptor next to the descriptor they really wait on.
// Once set it stays set until reset, so every later wait ends at once too.

#include <atomic>
#include <mutex>
#include <string>

class AbortEvent {
public:
    explicit AbortEvent(std::string name);
    ~AbortEvent();
    AbortEvent(const AbortEvent&) = delete;
    AbortEvent& operator=(const AbortEvent&) = delete;

    void set();
    void reset();
    bool is_set() const { return signalled_.load(); }

    // Readable (POLLIN) exactly while the event is set.
    int fd() const { return fd_; }
    const std::string& name() const { return name_; }

    // Sleeps up to timeout_ms (negative: without limit); true if the event is set.
    bool wait(int timeout_ms) const;

private:
    std::string name_;
    int fd_ = -1;
    std::atomic<bool> signalled_{false};
    std::mutex mutex_; //!< Keeps the flag and the descriptor's counter in step.
};
