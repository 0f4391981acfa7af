#include "link/PortAccess.h"

#include "link/NetworkPort.h"
#include "link/PortNames.h"

#include <filesystem>
#include <fstream>
#include <grp.h>
#include <sstream>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Named(const std::string& pid) {
    std::string name;
    std::getline(std::ifstream("/proc/" + pid + "/comm"), name);
    return pid + " (" + name + ")";
}

// "MAJOR:MINOR:INODE" as /proc/locks names a file: the device in hex.
std::string FileKey(const struct stat& st) {
    char key[64];
    std::snprintf(key, sizeof key, "%02x:%02x:%llu", major(st.st_dev), minor(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino));
    return key;
}

// The same device: the same device number for device files, else the same file.
bool SameFile(const struct stat& a, const struct stat& b) {
    if (S_ISCHR(a.st_mode) && S_ISCHR(b.st_mode))
        return a.st_rdev == b.st_rdev;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// The process whose lock on the device keeps us out; /proc/locks lines read
// "1: FLOCK  ADVISORY  WRITE 3619 00:18:4 0 EOF".
std::string LockHolder(const struct stat& st) {
    const std::string key = FileKey(st);
    const std::string self = std::to_string(::getpid());
    std::ifstream locks("/proc/locks");
    std::string line;
    while (std::getline(locks, line)) {
        std::istringstream fields(line);
        std::string id, kind, mode, access, pid, where;
        fields >> id >> kind >> mode >> access >> pid >> where;
        if (access == "->") // a waiter: "1: -> FLOCK ..." has one field more
            continue;
        // The same inode number on another file system is another file.
        if (where == key && pid != self)
            return Named(pid);
    }
    return {};
}

} // namespace

std::string PortAccess::Holder(const std::string& path) {
    std::error_code error;
    const fs::path target = fs::canonical(path, error);
    if (error)
        return {};
    struct stat st {};
    if (::stat(target.c_str(), &st) != 0)
        return {};
    const std::string locker = LockHolder(st);
    if (!locker.empty())
        return locker;
    const std::string self = std::to_string(::getpid());
    for (const fs::directory_entry& process : fs::directory_iterator("/proc", error)) {
        const std::string pid = process.path().filename();
        if (pid.find_first_not_of("0123456789") != std::string::npos || pid == self)
            continue;
        std::error_code ignored;
        for (const fs::directory_entry& fd :
             fs::directory_iterator(process.path() / "fd", ignored)) {
            struct stat held {};
            if (::stat(fd.path().c_str(), &held) == 0 && SameFile(held, st))
                return Named(pid);
        }
    }
    return {};
}

std::string PortAccess::Diagnose(const std::string& port_name) {
    if (NetworkPort::is_network_name(port_name))
        return {};
    const std::string path = PortNames::device_path(port_name);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return "Порта " + path + " нет: адаптер не подключен или имя порта неверно.";
    if (::access(path.c_str(), R_OK | W_OK) != 0) {
        const group* g = ::getgrgid(st.st_gid);
        const std::string name = g ? g->gr_name : std::to_string(st.st_gid);
        return "Нет прав на порт " + path + ": он доступен группе " + name +
               ". Добавьте себя в нее командой\n  sudo usermod -aG " + name +
               " $USER\nи войдите в систему заново.";
    }
    // Only a port that is held has a holder: /dev/null is open in every shell.
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    bool held = fd < 0 && errno == EBUSY;
    if (fd >= 0) {
        const bool terminal = ::isatty(fd) == 1;
        held = terminal && ::flock(fd, LOCK_EX | LOCK_NB) != 0;
        ::close(fd);
        if (!terminal)
            return "Устройство " + path + " - не последовательный порт.";
    }
    const std::string holder = held ? Holder(path) : std::string();
    if (!holder.empty())
        return "Порт " + path + " занят процессом " + holder + ".";
    return {};
}
