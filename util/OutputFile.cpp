#include "util/OutputFile.h"

#include "util/ReplaceFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// The folder a new file would go in.
std::string FolderOf(const std::string& path) {
    const std::string folder = std::filesystem::path(path).parent_path().string();
    return folder.empty() ? "." : folder;
}

} // namespace

int OutputFile::Check(const std::string& path, std::string& reason_text) {
    if (path == kStandardOutput)
        return 0;
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        // A new name (or a symlink to one): its folder must take it.
        const std::string folder = FolderOf(path);
        struct stat dir {};
        if (errno != ENOENT || ::stat(folder.c_str(), &dir) != 0 || !S_ISDIR(dir.st_mode))
            reason_text = "нет папки " + folder;
        else if (::access(folder.c_str(), W_OK | X_OK) != 0)
            reason_text = "нет прав на запись в папку " + folder;
        else
            return 0;
        return -1;
    }
    if (S_ISDIR(st.st_mode))
        reason_text = "это папка, а не файл";
    else if (S_ISSOCK(st.st_mode))
        reason_text = "это сокет: файл в него не записывается";
    else if (S_ISBLK(st.st_mode))
        reason_text = "это блочное устройство (диск): файл в него не записывается";
    else if (::access(path.c_str(), W_OK) != 0)
        reason_text = "нет прав на запись в файл";
    else if (S_ISREG(st.st_mode) && ::access(FolderOf(path).c_str(), W_OK | X_OK) != 0)
        reason_text = "нет прав на запись в папку " + FolderOf(path) +
                      " (файл заменяется целиком через временный файл рядом)";
    else
        return 0;
    return -1;
}

bool OutputFile::IsStandardOutput(const std::string& path) {
    if (path == kStandardOutput)
        return true;
    struct stat file {
    }, out{};
    return ::stat(path.c_str(), &file) == 0 && ::fstat(STDOUT_FILENO, &out) == 0 &&
           file.st_dev == out.st_dev && file.st_ino == out.st_ino;
}

int OutputFile::WriteThrough(int fd, const std::string& bytes, std::string& reason_text) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            reason_text = n < 0 ? std::strerror(errno) : "запись не идет";
            return -1;
        }
        done += static_cast<std::size_t>(n);
    }
    return 0;
}

int OutputFile::Write(const std::string& path, const std::string& bytes, std::string& reason_text) {
    if (path == kStandardOutput)
        return WriteThrough(STDOUT_FILENO, bytes, reason_text);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || S_ISREG(st.st_mode))
        return ReplaceFile(path, bytes, reason_text);
    // A device or a FIFO: replacing it with a plain file would break the system.
    const int fd = ::open(path.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        reason_text = std::strerror(errno);
        return -1;
    }
    int r = WriteThrough(fd, bytes, reason_text);
    if (::close(fd) != 0 && r == 0) {
        reason_text = std::strerror(errno);
        r = -1;
    }
    return r;
}
