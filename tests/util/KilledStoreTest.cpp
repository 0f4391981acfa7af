#include "util/SettingsStore.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::string PortOf(int n) { return "/dev/serial/by-id/usb-adapter-" + std::to_string(n) + std::string(200, 'x'); }

// A store killed at any moment leaves the old settings or the new ones,
// whole: never a file the program then refuses as unreadable or mixes.
TEST(KilledStore, LeavesTheOldOrTheNewFileWhole) {
    const std::filesystem::path dir =
        std::filesystem::temp_directory_path() / ("zrk-killed-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const std::string path = (dir / "ZRK640.conf").string();
    {
        SettingsStore first(path);
        first.set_int("baud_rate", 0);
        first.set_text("port_name", PortOf(0));
        std::string error;
        ASSERT_EQ(first.save(error), 0) << error;
    }
    std::mt19937 random(7);
    std::uniform_int_distribution<int> delayUs(0, 20000);
    int newer = 0; // rounds in which some store had completed before the kill
    for (int round = 0; round < 40; ++round) {
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (int n = 1;; ++n) {
                SettingsStore store(path);
                store.load();
                store.set_int("baud_rate", n);
                store.set_text("port_name", PortOf(n));
                std::string error;
                store.save(error);
            }
        }
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        SettingsStore after(path);
        ASSERT_EQ(after.load(), 0) << "round " << round;
        const int n = after.get_int("baud_rate", -1);
        ASSERT_GE(n, 0) << "round " << round;
        EXPECT_EQ(after.get_text("port_name", ""), PortOf(n)) << "round " << round;
        newer += n > 0;
    }
    EXPECT_GT(newer, 0) << "no store ever completed: the kills came too early to prove anything";
    std::filesystem::remove_all(dir);
}

} // namespace
