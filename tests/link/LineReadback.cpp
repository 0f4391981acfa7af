#include "LineReadback.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

std::uint32_t read_back_baud(int fd) {
    termios2 t{};
    return ::ioctl(fd, TCGETS2, &t) == 0 ? t.c_ospeed : 0;
}
