#pragma once
// Lines of the optional exchange log: the data bytes of a request or reply.

#include <cstdint>
#include <string>
#include <vector>

// "Размер инф-ой части посылки ..." and one ">> Посылка: ..." line per byte.
void LogRequestBytes(const std::uint8_t* data, int length, std::vector<std::string>& log);

// One "<< Ответ: ..." line per byte, then "Инф-ная часть квитанции ...".
void LogReplyBytes(const std::uint8_t* data, int length, std::vector<std::string>& log);
