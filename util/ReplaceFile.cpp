#include "util/ReplaceFile.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

bool write_all(int fd, const std::string& data) {
    std::size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The file a symlinked path really names, so the link survives the rename.
fs::path real_target(const std::string& path) {
    std::error_code ec;
    if (!fs::is_symlink(path, ec))
        return path;
    fs::path target = fs::weakly_canonical(path, ec);
    return ec ? fs::path(path) : target;
}

void sync_dir(const fs::path& dir) {
    const int fd = ::open(dir.empty() ? "." : dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// A fresh temporary file beside target; created with 0666 so that the
// umask, not this code, decides a new file's mode.
int create_temp(const fs::path& target, std::string& temp) {
    std::random_device seed;
    std::minstd_rand random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target.string() + "." + std::to_string(random() % 1000000) + ".tmp";
        const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// The old file's mode and owner on the new one.
bool keep_attributes(int fd, const fs::path& target, int& err) {
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0)
        return true; // a new file
    if ((st.st_uid != ::geteuid() || st.st_gid != ::getegid()) &&
        ::fchown(fd, st.st_uid, st.st_gid) != 0) {
        err = errno;
        return false;
    }
    if (::fchmod(fd, st.st_mode & 07777) != 0) {
        err = errno;
        return false;
    }
    return true;
}

} // namespace

int ReplaceFile(const std::string& path, const std::string& bytes, std::string& reason_text) {
    reason_text.clear();
    const fs::path target = real_target(path);
    std::string temp;
    const int fd = create_temp(target, temp);
    if (fd < 0) {
        reason_text = std::strerror(errno);
        return -1;
    }
    int err = 0;
    bool ok = keep_attributes(fd, target, err);
    if (!ok && err == EPERM)
        reason_text = "владелец файла другой, а сохранить его может только root";
    if (ok && !(write_all(fd, bytes) && ::fsync(fd) == 0)) {
        ok = false;
        err = errno;
    }
    if (::close(fd) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (ok && ::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temp.c_str());
        if (reason_text.empty())
            reason_text = std::strerror(err);
        return -1;
    }
    sync_dir(target.parent_path());
    return 0;
}
