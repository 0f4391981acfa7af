#include "cli/CtlOptions.h"

#include "link/LineSettings.h"

#include <charconv>
#include <cstring>

namespace {

constexpr int kUsageError = 2;

bool ToNumber(const char* text, int low, int high, int& value) {
    const char* end = text + std::strlen(text);
    const auto [last, ec] = std::from_chars(text, end, value);
    return ec == std::errc() && last == end && value >= low && value <= high;
}

bool ToParity(const std::string& text, int& code) {
    if (text == "none")
        code = kParityNone;
    else if (text == "even")
        code = kParityEven;
    else if (text == "odd")
        code = kParityOdd;
    else
        return false;
    return true;
}

} // namespace

const char* CtlOptions::HelpText() {
    return "Использование: zrk640ctl [параметры связи] КОМАНДА\n"
           "Команды:\n"
           "  ports                      список последовательных портов\n"
           "  read ИМЯ[:ИНДЕКС]          прочитать параметр прибора\n"
           "  write ИМЯ[:ИНДЕКС] ЗНАЧЕНИЕ  записать параметр прибора\n"
           "  write APLY                 применить записанные сетевые параметры\n"
           "  write n.Ch N               сменить число каналов, как мастер: по одному каналу,\n"
           "                             с настройкой блоков модификации прибора\n"
           "  check                      проверить прибор (имя, модификация, версия)\n"
           "Параметры связи (по умолчанию из файла настроек программы):\n"
           "  --port ПОРТ        COMn или путь к устройству (/dev/ttyUSB0)\n"
           "  --baud СКОРОСТЬ    2400 ... 115200\n"
           "  --parity none|even|odd\n"
           "  --bits 5..8        длина слова данных\n"
           "  --stop 1|2         стоп-биты\n"
           "  --addr 0..2047     адрес прибора\n"
           "  --addr-len 8|11    длина адреса\n"
           "  --format ФОРМАТ    формат параметра вместо базы параметров (без базы: DEC_dot)\n"
           "  --trace            показывать каждую посылку и ответ\n"
           "  --help             эта справка\n"
           "Код возврата: 0 успех, 1 ошибка обмена с прибором, 2 ошибка в командной строке,\n"
           "3 порт не открывается.\n";
}

int CtlOptions::Parse(int argc, const char* const* argv, std::string& error) {
    for (int i = 1; i < argc; ++i) {
        const std::string word = argv[i];
        if (word == "--help" || word == "-h") {
            help = true;
        } else if (word == "--trace") {
            trace = true;
        } else if (word.rfind("--", 0) == 0) {
            if (TakeOption(word, i + 1 < argc ? argv[i + 1] : nullptr, error) != 0)
                return kUsageError;
            ++i;
        } else if (command.empty()) {
            command = word;
        } else {
            words.push_back(word);
        }
    }
    return 0;
}

int CtlOptions::TakeOption(const std::string& option, const char* value, std::string& error) {
    if (!value) {
        error = "Не задано значение параметра " + option;
        return kUsageError;
    }
    int number = 0;
    bool good = true;
    if (option == "--port") {
        port = value;
        good = *value != '\0';
    } else if (option == "--format") {
        format = value;
    } else if (option == "--baud") {
        good = ToNumber(value, 1, 4000000, number) && LineSettings::is_listed_baud_rate(number);
        baud = number;
    } else if (option == "--parity") {
        good = ToParity(value, number);
        parityCode = number;
    } else if (option == "--bits") {
        good = ToNumber(value, 5, 8, number);
        byteSize = number;
    } else if (option == "--stop") {
        good = ToNumber(value, 1, 2, number);
        stopBits = number;
    } else if (option == "--addr") {
        good = ToNumber(value, 0, 2047, number);
        address = number;
    } else if (option == "--addr-len") {
        good = ToNumber(value, 8, 11, number) && (number == 8 || number == 11);
        addressLength = number;
    } else {
        error = "Неизвестный параметр " + option;
        return kUsageError;
    }
    if (good)
        return 0;
    error = "Недопустимое значение " + option + " " + value;
    return kUsageError;
}
