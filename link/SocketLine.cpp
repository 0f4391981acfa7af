#include "link/SocketLine.h"

#include <cerrno>
#include <sys/socket.h>

bool SocketLine::purge(int kind) {
    if (kind != 0 && kind != 2)
        return true;
    char buffer[256];
    for (;;) {
        const ssize_t n = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
        if (n > 0)
            continue;
        if (n < 0 && errno == EINTR)
            continue;
        return n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK);
    }
}
