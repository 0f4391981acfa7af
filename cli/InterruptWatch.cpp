#include "cli/InterruptWatch.h"

#include <cstdio>
#include <cstdlib>

#include <poll.h>
#include <pthread.h>
#include <sys/signalfd.h>
#include <unistd.h>

InterruptWatch::InterruptWatch(AbortEvent& exit) : exit(exit) {
    sigemptyset(&signals);
    for (int sig : {SIGINT, SIGTERM}) {
        // A signal the caller ignores (nohup, a background job) stays ignored.
        struct sigaction current{};
        if (sigaction(sig, nullptr, &current) == 0 && current.sa_handler != SIG_IGN)
            sigaddset(&signals, sig);
    }
    // Blocked before the watcher starts, so it inherits the mask and no
    // signal reaches the default action meanwhile.
    pthread_sigmask(SIG_BLOCK, &signals, &before);
    if (sigisemptyset(&signals))
        return;
    fd = signalfd(-1, &signals, SFD_CLOEXEC | SFD_NONBLOCK);
    if (fd >= 0)
        thread = std::thread([this] { Watch(); });
    else
        pthread_sigmask(SIG_SETMASK, &before, nullptr); // Ctrl-C ends the program as before

}

InterruptWatch::~InterruptWatch() {
    stop.set();
    if (thread.joinable())
        thread.join();
    if (fd >= 0)
        ::close(fd);
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
}

void InterruptWatch::Watch() {
    int seen = 0;
    pollfd fds[2] = {{fd, POLLIN, 0}, {stop.fd(), POLLIN, 0}};
    while (!stop.is_set()) {
        if (::poll(fds, 2, -1) < 0 || !(fds[0].revents & POLLIN))
            continue;
        signalfd_siginfo info{};
        if (::read(fd, &info, sizeof info) != static_cast<ssize_t>(sizeof info))
            continue;
        if (++seen > 1)
            std::_Exit(128 + static_cast<int>(info.ssi_signo));
        std::fprintf(stderr, "\nПрерывание: обмен останавливается (еще раз - выход сразу)\n");
        exit.set();
    }
}
