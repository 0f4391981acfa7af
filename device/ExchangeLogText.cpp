#include "device/ExchangeLogText.h"

#include <cstdio>

namespace {

// Control and non-ASCII bytes show as '.', so the log stays valid UTF-8.
char shown(std::uint8_t byte) {
    return byte < 0x20 || byte > 0x7E ? '.' : char(byte);
}

void LogBytes(const char* format, const std::uint8_t* data, int length,
              std::vector<std::string>& log) {
    for (int i = 0; i < length; ++i) {
        char line[96];
        std::snprintf(line, sizeof line, format, i, data[i], data[i], shown(data[i]));
        log.emplace_back(line);
    }
}

} // namespace

void LogRequestBytes(const std::uint8_t* data, int length, std::vector<std::string>& log) {
    char line[96];
    std::snprintf(line, sizeof line, "Размер инф-ой части посылки %i байт.", length);
    log.emplace_back(line);
    LogBytes(">> Посылка: #%2i : %03i = 0x%02X (%c)", data, length, log);
}

void LogReplyBytes(const std::uint8_t* data, int length, std::vector<std::string>& log) {
    LogBytes("<< Ответ: #%2i : %03i = 0x%02X (%c)", data, length, log);
    char line[96];
    std::snprintf(line, sizeof line, "Инф-ная часть квитанции ответа имеет размер %1i байт.",
                  length);
    log.emplace_back(line);
}
