#pragma once
// Ctrl-C (SIGINT) and SIGTERM set the exit event while this lives, so a long
// run stops between or inside exchanges and still says what it did; a second
// one ends the program at once.

#include "link/AbortEvent.h"

#include <csignal>
#include <thread>

class InterruptWatch {
public:
    explicit InterruptWatch(AbortEvent& exit);
    ~InterruptWatch();
    InterruptWatch(const InterruptWatch&) = delete;
    InterruptWatch& operator=(const InterruptWatch&) = delete;

private:
    void Watch();

    AbortEvent& exit;
    AbortEvent stop{"interrupt-watch"};
    sigset_t signals{};
    sigset_t before{};
    int fd = -1;
    std::thread thread;
};
