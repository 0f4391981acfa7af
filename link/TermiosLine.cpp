// termios2 and <termios.h> cannot share a file: everything that touches the
// terminal settings lives here.
#include "link/TermiosLine.h"

#include <asm/termbits.h>
#include <cerrno>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

namespace {

// Unix98 pseudo-terminal slaves. They keep the baud rate but always report
// 8 data bits without parity, and have no modem lines.
bool is_pseudo_terminal(int fd) {
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISCHR(st.st_mode))
        return false;
    const unsigned m = major(st.st_rdev);
    return m >= 136 && m <= 143;
}

tcflag_t parity_flags(int code) {
    switch (code) {
    case kParityEven:
        return PARENB;
    case kParityMark:
        return PARENB | PARODD | CMSPAR;
    case kParityOdd:
        return PARENB | PARODD;
    case kParitySpace:
        return PARENB | CMSPAR;
    default:
        return 0;
    }
}

tcflag_t size_flag(int byte_size) {
    switch (byte_size) {
    case 5:
        return CS5;
    case 6:
        return CS6;
    case 7:
        return CS7;
    default:
        return CS8;
    }
}

constexpr tcflag_t kFraming = CSIZE | PARENB | PARODD | CMSPAR | CSTOPB;

void make_raw(termios2& t, const LineSettings& s) {
    t.c_iflag = INPCK | PARMRK;
    t.c_oflag = 0;
    t.c_lflag = 0;
    t.c_cflag = CREAD | CLOCAL | BOTHER | size_flag(s.byte_size) | parity_flags(s.parity_code);
    if (s.stop_bits == 2)
        t.c_cflag |= CSTOPB;
    t.c_ispeed = s.baud_rate;
    t.c_ospeed = s.baud_rate;
    t.c_cc[VMIN] = 0;
    t.c_cc[VTIME] = 0;
}

bool refused_silently(const termios2& wanted, const termios2& got, bool pseudo_terminal) {
    if (got.c_ospeed != wanted.c_ospeed || got.c_ispeed != wanted.c_ispeed)
        return true;
    return !pseudo_terminal && (got.c_cflag & kFraming) != (wanted.c_cflag & kFraming);
}

bool no_modem_lines(int err) {
    return err == ENOTTY || err == EINVAL;
}

} // namespace

TermiosLine::TermiosLine(int fd) : fd_(fd), pseudo_terminal_(is_pseudo_terminal(fd)) {}

int TermiosLine::apply(const LineSettings& wanted) {
    termios2 t{};
    if (::ioctl(fd_, TCGETS2, &t) != 0)
        return -2;
    termios2 request = t;
    make_raw(request, wanted);
    termios2 got{};
    if (::ioctl(fd_, TCSETS2, &request) != 0 || ::ioctl(fd_, TCGETS2, &got) != 0)
        return -4;
    return refused_silently(request, got, pseudo_terminal_) ? -4 : 0;
}

LineControl::Rts TermiosLine::set_rts(bool raised) {
    int bits = TIOCM_RTS;
    if (::ioctl(fd_, raised ? TIOCMBIS : TIOCMBIC, &bits) == 0)
        return Rts::Done;
    return no_modem_lines(errno) ? Rts::Unsupported : Rts::Failed;
}

bool TermiosLine::start_kernel_rs485() {
    serial_rs485 rs{};
    if (::ioctl(fd_, TIOCGRS485, &rs) != 0)
        return false;
    rs.flags |= SER_RS485_ENABLED | SER_RS485_RTS_ON_SEND;
    rs.flags &= ~static_cast<__u32>(SER_RS485_RTS_AFTER_SEND);
    return ::ioctl(fd_, TIOCSRS485, &rs) == 0;
}

bool TermiosLine::drain() {
    int r;
    do {
        r = ::ioctl(fd_, TCSBRK, 1);
    } while (r != 0 && errno == EINTR);
    return r == 0;
}

bool TermiosLine::purge(int kind) {
    static constexpr int kQueues[] = {TCIFLUSH, TCOFLUSH, TCIOFLUSH};
    if (kind < 0 || kind > 2)
        return true;
    return ::ioctl(fd_, TCFLSH, kQueues[kind]) == 0;
}

bool TermiosLine::overruns(std::uint64_t& count) {
    serial_icounter_struct c{};
    if (::ioctl(fd_, TIOCGICOUNT, &c) != 0)
        return false;
    count = static_cast<std::uint64_t>(c.overrun) + static_cast<std::uint64_t>(c.buf_overrun);
    return true;
}
