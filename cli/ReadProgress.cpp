#include "cli/ReadProgress.h"

#include "cli/TerminalLine.h"

#include <chrono>
#include <string>

std::function<void(int done, int total)> ReadProgressOn(TerminalLine& line) {
    const auto start = std::chrono::steady_clock::now();
    return [&line, start](int done, int total) {
        const auto spent = std::chrono::steady_clock::now() - start;
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(spent).count();
        const long long left = done > 0 ? (ms * (total - done) / done + 999) / 1000 : 0;
        line.Show("Чтение: " + std::to_string(done) + " из " + std::to_string(total) +
                  ", осталось около " + std::to_string(left) + " с");
    };
}
