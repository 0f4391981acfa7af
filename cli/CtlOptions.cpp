#include "cli/CtlOptions.h"

#include "device/NetRS485.h"
#include "link/AddressList.h"
#include "link/LineSettings.h"
#include "params/ControllerLinkSettings.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <string_view>

namespace {

constexpr int kUsageError = 2;
// Commands that take no words of their own, only options.
constexpr std::string_view kWordless[] = {"ports", "check", "scan", "relink"};

// Option values as typed; converted after parsing so that every refusal
// carries the tool's own text.
struct LinkTexts {
    std::optional<std::string> port, baud, parity, bits, stop, addr, addrLen;
};

bool ToNumber(const std::string& text, int low, int high, int& value) {
    const char* end = text.data() + text.size();
    const auto [last, ec] = std::from_chars(text.data(), end, value);
    return ec == std::errc() && last == end && value >= low && value <= high;
}

void AddLinkOptions(CLI::App& app, LinkTexts& texts) {
    app.add_option("--port", texts.port);
    app.add_option("--baud", texts.baud);
    app.add_option("--parity", texts.parity);
    app.add_option("--bits", texts.bits);
    app.add_option("--stop", texts.stop);
    app.add_option("--addr", texts.addr);
    app.add_option("--addr-len", texts.addrLen);
}

class LinkConverter {
public:
    explicit LinkConverter(std::string& error) : error(error) {}

    bool Convert(const LinkTexts& t, LinkOverrides& out) {
        if (t.port && t.port->empty())
            return Refuse("--port", *t.port);
        out.port = t.port;
        return Number("--baud", t.baud, 1, 4000000, out.baud) &&
               (!out.baud || LineSettings::is_listed_baud_rate(*out.baud) ||
                Refuse("--baud", *t.baud)) &&
               Parity(t.parity, out.parityCode) && Number("--bits", t.bits, 5, 8, out.byteSize) &&
               Number("--stop", t.stop, 1, 2, out.stopBits) &&
               Number("--addr", t.addr, 0, 2047, out.address) &&
               Number("--addr-len", t.addrLen, 8, 11, out.addressLength) &&
               (!out.addressLength || *out.addressLength == 8 || *out.addressLength == 11 ||
                Refuse("--addr-len", *t.addrLen));
    }

    bool Range(const std::optional<std::string>& text,
               std::optional<std::pair<int, int>>& out) {
        if (!text)
            return true;
        const std::size_t dash = text->find('-');
        int low = 0, high = 0;
        if (!ToNumber(text->substr(0, dash), 0, 2047, low))
            return Refuse("--addresses", *text);
        high = low;
        if (dash != std::string::npos && !ToNumber(text->substr(dash + 1), low, 2047, high))
            return Refuse("--addresses", *text);
        out = {low, high};
        return true;
    }

private:
    bool Number(const char* option, const std::optional<std::string>& text, int low, int high,
                std::optional<int>& out) {
        int value = 0;
        if (!text)
            return true;
        if (!ToNumber(*text, low, high, value))
            return Refuse(option, *text);
        out = value;
        return true;
    }

    bool Parity(const std::optional<std::string>& text, std::optional<int>& out) {
        if (!text)
            return true;
        const ParityNames* parity = ParityOfOption(*text);
        if (!parity)
            return Refuse("--parity", *text);
        out = parity->code;
        return true;
    }

    bool Refuse(const std::string& option, const std::string& value) {
        error = "Недопустимое значение " + option + " " + value;
        return false;
    }

    std::string& error;
};

// The controllers of one bus, one after the other: their link settings and
// addresses are their own, and a change of modification moves a controller
// to the standard address.
bool ConvertBus(const std::optional<std::string>& text, CtlOptions& o, std::string& error) {
    if (!text)
        return true;
    std::string why;
    if (!ParseAddressList(*text, o.busAddresses, why)) {
        error = "Недопустимое значение --addresses " + *text + ": " + why;
        return false;
    }
    if (o.busAddresses.size() > 1 && o.network) {
        error = "--network только с одним адресом: адрес и параметры связи из файла не "
                "переносятся на другие приборы";
        return false;
    }
    if (o.busAddresses.size() > 1 && o.modification) {
        error = "--modification только с одним адресом: смена модификации возвращает прибору "
                "адрес " + std::to_string(kFactoryAddress) + ", и приборы линии совпали бы "
                "по адресу";
        return false;
    }
    return true;
}

// The tool's own text for what CLI11 refused.
std::string ErrorText(const CLI::ParseError& e, const std::vector<std::string>& extras) {
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e)) {
        const std::string what = e.what();
        const std::size_t dash = what.find("--");
        const std::string option =
            dash == std::string::npos ? what : what.substr(dash, what.find_first_of(" :", dash) - dash);
        return "Не задано значение параметра " + option;
    }
    if (!extras.empty())
        return "Неизвестный параметр " + extras.front();
    return std::string("Ошибка в командной строке: ") + e.what();
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
           "  check [--scan]             проверить прибор (имя, модификация, версия); без\n"
           "                             ответа - выяснить почему (--scan: и при всех\n"
           "                             остальных параметрах связи)\n"
           "  scan [--all] [--addresses A-B] [--no-broadcast]\n"
           "                             найти приборы на линии: все скорости, четности,\n"
           "                             стоп-биты и длины адреса (заданные параметры связи\n"
           "                             сужают поиск), затем адреса\n"
           "  dump ФАЙЛ                  сохранить все параметры прибора в файл (\"-\" -\n"
           "                             стандартный вывод; устройство или канал FIFO\n"
           "                             записывается как есть, обычный файл заменяется\n"
           "                             целиком с прежними правами и владельцем)\n"
           "  report ФАЙЛ.pdf|ФАЙЛ.html\n"
           "                             отчёт о настройке прибора (PDF или HTML)\n"
           "  diff ФАЙЛ [--partial] [--addresses СПИСОК]\n"
           "                             сравнить прибор с файлом (код 0 - совпадает,\n"
           "                             1 - есть различия)\n"
           "  restore ФАЙЛ [--modification] [--network] [--partial] [--addresses СПИСОК]\n"
           "                             записать в прибор отличающиеся от файла значения;\n"
           "                             модификацию - только с --modification, адрес и\n"
           "                             параметры связи - только с --network\n"
           "                             Файл проверяется целиком до первой записи; файл\n"
           "                             без последней строки \"# Конец файла, значений: N\"\n"
           "                             или с другим числом значений считается обрезанным.\n"
           "                             --partial: файл задает лишь часть значений, строка\n"
           "                             конца файла не нужна\n"
           "                             --addresses 1-32 или 1,3,5-7: по очереди каждый\n"
           "                             прибор линии, затем таблица итогов (код 0 - у всех\n"
           "                             успешно); адрес и параметры связи из файла не\n"
           "                             переносятся, --network и --modification - только\n"
           "                             с одним адресом; Ctrl-C останавливает обход\n"
           "  relink [--baud ..] [--parity ..] [--bits ..] [--stop ..] [--addr ..] [--addr-len ..]\n"
           "                             сменить параметры связи прибора с проверкой связи;\n"
           "                             без ответа - вернуть прежние\n"
           "Параметры связи (по умолчанию из файла настроек программы; параметр, заданный\n"
           "дважды, берется последним):\n"
           "  --port ПОРТ        COMn, путь к устройству (/dev/ttyUSB0) или tcp://АДРЕС:ПОРТ\n"
           "  --baud СКОРОСТЬ    2400 ... 115200\n"
           "  --parity none|even|odd\n"
           "  --bits 5..8        длина слова данных\n"
           "  --stop 1|2         стоп-биты\n"
           "  --addr 0..2047     адрес прибора\n"
           "  --addr-len 8|11    длина адреса\n"
           "  --format ФОРМАТ    формат параметра вместо базы параметров (без базы: DEC_dot)\n"
           "  --trace            показывать каждую посылку и ответ\n"
           "  --help             эта справка\n"
           "  --version          версия программы\n"
           "Код возврата: 0 успех, 1 ошибка обмена с прибором (у diff: есть различия),\n"
           "2 ошибка в командной строке или в файле (не читается, не записывается или не\n"
           "годится), 3 порт не открывается. Коды одни для всех команд.\n";
}

int CtlOptions::Parse(int argc, const char* const* argv, std::string& error) {
    CLI::App app;
    app.set_help_flag();
    app.allow_extras();
    app.fallthrough();
    // An option given twice: the last one counts (a script's default, then the operator's own).
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    LinkTexts linkTexts, targetTexts;
    std::optional<std::string> addressRange, busText;
    AddLinkOptions(app, linkTexts);
    app.add_option("--format", format);
    app.add_flag("--trace", trace);
    app.add_flag("-h,--help", help);
    app.add_flag("--version", version);

    const auto addCommand = [&](const char* name) {
        CLI::App* sub = app.add_subcommand(name);
        sub->add_option("words", words);
        return sub;
    };
    for (const char* name : {"ports", "read", "write", "dump", "report"})
        addCommand(name);
    CLI::App* diff = addCommand("diff");
    diff->add_flag("--partial", partial);
    diff->add_option("--addresses", busText);
    addCommand("check")->add_flag("--scan", scanOnSilence);
    CLI::App* scan = addCommand("scan");
    scan->add_flag("--all", all);
    scan->add_flag("--no-broadcast", noBroadcast);
    scan->add_option("--addresses", addressRange);
    CLI::App* restore = addCommand("restore");
    restore->add_flag("--modification", modification);
    restore->add_flag("--network", network);
    restore->add_flag("--partial", partial);
    restore->add_option("--addresses", busText);
    AddLinkOptions(*addCommand("relink"), targetTexts);

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        error = ErrorText(e, app.remaining());
        return kUsageError;
    }
    for (const CLI::App* sub : app.get_subcommands())
        this->command = sub->get_name();
    const std::vector<std::string> extras = app.remaining();
    for (const std::string& extra : extras) {
        if (extra.rfind("-", 0) == 0 && extra.size() > 1 && !help) {
            error = "Неизвестный параметр " + extra;
            return kUsageError;
        }
    }
    if (command.empty() && !extras.empty() && !help) {
        error = "Неизвестная команда: '" + extras.front() + "' (см. --help)";
        return kUsageError;
    }
    if (!words.empty() && std::find(std::begin(kWordless), std::end(kWordless), command) !=
                              std::end(kWordless)) {
        error = "Лишние слова после команды " + command + ": " + words.front() + " (см. --help)";
        return kUsageError;
    }
    LinkConverter converter(error);
    if (!converter.Convert(linkTexts, link) || !converter.Convert(targetTexts, target) ||
        !converter.Range(addressRange, addresses) || !ConvertBus(busText, *this, error))
        return kUsageError;
    return 0;
}
