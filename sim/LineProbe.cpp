#include "sim/LineProbe.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

namespace {

struct StandardRate {
    unsigned code;
    unsigned baud;
};

constexpr StandardRate kRates[] = {{B1200, 1200},     {B2400, 2400},   {B4800, 4800},
                                   {B9600, 9600},     {B19200, 19200}, {B38400, 38400},
                                   {B57600, 57600},   {B115200, 115200}, {B230400, 230400}};

unsigned BaudOf(const termios2& t) {
    const unsigned code = t.c_cflag & CBAUD;
    if (code == BOTHER)
        return t.c_ospeed;
    for (const StandardRate& r : kRates)
        if (r.code == code)
            return r.baud;
    return t.c_ospeed;
}

int DataBitsOf(unsigned cflag) {
    switch (cflag & CSIZE) {
    case CS5: return 5;
    case CS6: return 6;
    case CS7: return 7;
    default: return 8;
    }
}

} // namespace

bool LineProbe::Read(int fd, LineState& state) {
    termios2 t{};
    if (::ioctl(fd, TCGETS2, &t) != 0)
        return false;
    state.baud = BaudOf(t);
    state.dataBits = DataBitsOf(t.c_cflag);
    state.stopBits = (t.c_cflag & CSTOPB) ? 2 : 1;
    state.parityShown = (t.c_cflag & PARENB) != 0;
    state.parity = state.parityShown ? ((t.c_cflag & PARODD) ? 2 : 1) : 0;
    return true;
}

bool LineProbe::MakeRaw(int fd, unsigned baud) {
    termios2 t{};
    if (::ioctl(fd, TCGETS2, &t) != 0)
        return false;
    t.c_iflag = 0;
    t.c_oflag = 0;
    t.c_lflag = 0;
    t.c_cflag = CS8 | CREAD | CLOCAL | BOTHER;
    t.c_ispeed = t.c_ospeed = baud;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
    return ::ioctl(fd, TCSETS2, &t) == 0;
}

bool LineProbe::Matches(const LineState& state, const LinkConfig& link) {
    if (state.baud != link.baud || state.stopBits != link.stopBits)
        return false;
    return !state.parityShown || (state.parity == link.parity && state.dataBits == link.dataBits);
}
