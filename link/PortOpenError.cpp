#include "link/PortOpenError.h"

#include "link/PortAccess.h"
#include "link/PortNames.h"

#include <cerrno>
#include <cstring>

std::string port_open_error_text(const std::string& port_name, int error_number) {
    const std::string port = "Порт " + port_name;
    switch (error_number) {
    case EACCES:
    case EPERM:
        return "Нет доступа к порту " + port_name +
               ": пользователь не входит в группу dialout. Выполните команду\n"
               "sudo usermod -aG dialout $USER\n"
               "и войдите в систему заново.";
    case EBUSY:
    case EWOULDBLOCK: {
        const std::string holder = PortAccess::Holder(PortNames::device_path(port_name));
        return port + " занят другой программой" + (holder.empty() ? "" : " (" + holder + ")") +
               ". Закройте её и повторите попытку.";
    }
    case ENOENT:
    case ENODEV:
    case ENXIO:
    case ENOTDIR:
        return port + " не найден: адаптер отключён от компьютера или имя порта задано неверно.";
    default:
        return "Не удаётся открыть порт " + port_name + ": " + std::strerror(error_number) + ".";
    }
}
