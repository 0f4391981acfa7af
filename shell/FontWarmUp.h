#pragma once
// Fontconfig reads its configuration and font caches on first use, which is
// the first text the window lays out. Begun before the application object,
// that reading runs while Qt connects to the display instead of after it.

#include <thread>

class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

    // Waits for the reading to end; before any font is used.
    void Join();

private:
    std::thread reader;
};
