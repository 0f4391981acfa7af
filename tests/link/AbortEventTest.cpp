#include "link/AbortEvent.h"

#include <gtest/gtest.h>
#include <poll.h>
#include <thread>

namespace {

bool fd_readable(const AbortEvent& e) {
    pollfd p{e.fd(), POLLIN, 0};
    return ::poll(&p, 1, 0) == 1;
}

TEST(AbortEvent, StaysSetUntilResetAndItsDescriptorFollows) {
    AbortEvent e("ExitEvent");
    EXPECT_EQ(e.name(), "ExitEvent");
    EXPECT_FALSE(e.is_set());
    EXPECT_FALSE(fd_readable(e));
    EXPECT_FALSE(e.wait(0));
    e.set();
    e.set();
    EXPECT_TRUE(e.is_set());
    EXPECT_TRUE(fd_readable(e));
    EXPECT_TRUE(e.wait(0));
    EXPECT_TRUE(e.wait(0)) << "manual reset: a wait does not consume it";
    e.reset();
    EXPECT_FALSE(e.is_set());
    EXPECT_FALSE(fd_readable(e)) << "two sets must be undone by one reset";
}

TEST(AbortEvent, SetFromAnotherThreadWakesAWaiter) {
    AbortEvent e("ExitEvent");
    std::thread setter([&] { e.set(); });
    EXPECT_TRUE(e.wait(-1));
    setter.join();
}

} // namespace
