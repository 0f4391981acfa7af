#pragma once
// A settings file of the test program's own: wizards store their settings at
// exit and test programs run side by side. Its port is one no machine has, so
// that no test ever opens a real serial port (another test program may hold it).

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

class TestSettingsFile {
public:
    TestSettingsFile()
        : folder(std::filesystem::temp_directory_path() /
                 ("zrk640-test-" + std::to_string(::getpid()))) {
        std::filesystem::create_directories(folder);
        const std::filesystem::path settings = folder / "ZRK640.conf";
        std::ofstream(settings) << "port_name=" << (folder / "no-such-port").string() << "\n";
        setenv("ZRK640_CONFIG", settings.c_str(), 1);
    }
    ~TestSettingsFile() { std::filesystem::remove_all(folder); }

private:
    std::filesystem::path folder;
};
