#include "link/PortOpenError.h"

#include <cerrno>
#include <gtest/gtest.h>

namespace {

// Each cause names what the operator must do; none is a bare number.
TEST(PortOpenError, EachCauseTellsWhatToDo) {
    const struct {
        int error;
        std::vector<std::string> parts;
    } cases[] = {
        {EACCES, {"/dev/ttyUSB0", "dialout", "sudo usermod -aG dialout $USER"}},
        {EPERM, {"dialout", "sudo usermod -aG dialout $USER"}},
        {EBUSY, {"/dev/ttyUSB0", "занят другой программой"}},
        {EWOULDBLOCK, {"занят другой программой"}},
        {ENOENT, {"/dev/ttyUSB0", "не найден", "отключён"}},
        {ENODEV, {"отключён"}},
        {ENXIO, {"отключён"}},
        {EIO, {"/dev/ttyUSB0", "Input/output error"}},
    };
    for (const auto& c : cases) {
        const std::string text = port_open_error_text("/dev/ttyUSB0", c.error);
        for (const std::string& part : c.parts)
            EXPECT_NE(text.find(part), std::string::npos) << c.error << ": " << text;
        EXPECT_EQ(text.find("errno"), std::string::npos) << text;
    }
}

} // namespace
