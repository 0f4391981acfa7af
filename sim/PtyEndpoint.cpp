#include "sim/PtyEndpoint.h"

#include "sim/LineProbe.h"
#include "sim/LinkConfig.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <unistd.h>

bool PtyEndpoint::Open(const std::string& linkPath, std::string& error) {
    Close();
    link_ = linkPath;
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    char name[PATH_MAX] = {};
    if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0 ||
        ::ptsname_r(master_, name, sizeof name) != 0) {
        error = std::string("псевдотерминал не создан: ") + std::strerror(errno);
        Close();
        return false;
    }
    slave_ = name;
    keeper_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    // A fresh slave echoes and edits lines; an idle serial port does neither.
    if (keeper_ < 0 || !LineProbe::MakeRaw(keeper_, LinkConfig::Standard().baud)) {
        error = slave_ + ": " + std::strerror(errno);
        Close();
        return false;
    }
    return link_.empty() || PlaceLink(error);
}

bool PtyEndpoint::PlaceLink(std::string& error) {
    const std::string temporary = link_ + ".new";
    ::unlink(temporary.c_str());
    if (::symlink(slave_.c_str(), temporary.c_str()) != 0 ||
        std::rename(temporary.c_str(), link_.c_str()) != 0) {
        error = link_ + ": " + std::strerror(errno);
        ::unlink(temporary.c_str());
        Close();
        return false;
    }
    return true;
}

void PtyEndpoint::Close() {
    for (int* fd : {&keeper_, &master_})
        if (*fd >= 0) {
            ::close(*fd);
            *fd = -1;
        }
}

void PtyEndpoint::RemoveLink() {
    if (link_.empty())
        return;
    char target[PATH_MAX] = {};
    const ssize_t n = ::readlink(link_.c_str(), target, sizeof target - 1);
    if (n > 0 && slave_ == std::string(target, static_cast<std::size_t>(n)))
        ::unlink(link_.c_str());
}
