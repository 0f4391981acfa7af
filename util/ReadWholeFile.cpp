#include "util/ReadWholeFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string OpenFailure(int error) {
    switch (error) {
    case ENOENT:
        return "такого файла нет";
    case EACCES:
    case EPERM:
        return "нет прав на чтение файла";
    case EISDIR:
        return "это папка, а не файл";
    default:
        return std::strerror(error);
    }
}

std::string LimitText(std::size_t limit) {
    return limit >= (1u << 20) ? std::to_string(limit >> 20) + " МБ"
                               : std::to_string(limit) + " байт";
}

} // namespace

int ReadWholeFile(const std::string& path, std::size_t limit, std::string& bytes,
                  std::string& reason_text) {
    // Not O_NONBLOCK: a FIFO waits for its writer, as the user asked.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        reason_text = OpenFailure(errno);
        return -1;
    }
    struct stat st {};
    if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
        ::close(fd);
        reason_text = OpenFailure(EISDIR);
        return -1;
    }
    std::string read;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            reason_text = errno == EISDIR ? OpenFailure(EISDIR) : std::strerror(errno);
            ::close(fd);
            return -1;
        }
        if (n == 0)
            break;
        read.append(buffer, static_cast<std::size_t>(n));
        if (read.size() > limit) {
            ::close(fd);
            reason_text = "файл слишком велик (больше " + LimitText(limit) + ")";
            return -1;
        }
    }
    ::close(fd);
    bytes = std::move(read);
    return 0;
}
