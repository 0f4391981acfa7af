#include "link/PortAccess.h"

#include "link/NetworkPort.h"
#include "link/PortNames.h"

#include <filesystem>
#include <fstream>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

std::string PortAccess::Holder(const std::string& path) {
    std::error_code error;
    const fs::path target = fs::canonical(path, error);
    if (error)
        return {};
    const std::string self = std::to_string(::getpid());
    for (const fs::directory_entry& process : fs::directory_iterator("/proc", error)) {
        const std::string pid = process.path().filename();
        if (pid.find_first_not_of("0123456789") != std::string::npos || pid == self)
            continue;
        std::error_code ignored;
        for (const fs::directory_entry& fd :
             fs::directory_iterator(process.path() / "fd", ignored)) {
            if (fs::read_symlink(fd.path(), ignored) != target)
                continue;
            std::string name;
            std::getline(std::ifstream(process.path() / "comm"), name);
            return pid + " (" + name + ")";
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
    const std::string holder = Holder(path);
    if (!holder.empty())
        return "Порт " + path + " занят процессом " + holder + ".";
    return {};
}
