#include "app/WizardCommandLine.h"

#include <string_view>

WizardCommandLine::Action WizardCommandLine::Parse(int argc, const char* const* argv) {
    Action action = Action::Run;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--help" || arg == "-h")
            return Action::Help;
        if (arg == "--version")
            action = Action::Version;
    }
    return action;
}

const char* WizardCommandLine::HelpText() {
    return "Использование: zrk640-wizard [параметры Qt]\n"
           "Мастер настройки многоканального регулятора ZRK640 по линии RS-485.\n"
           "Параметры связи берутся из файла настроек ($ZRK640_CONFIG, иначе\n"
           "~/.config/VESK/ZRK640.conf).\n"
           "  --help             эта справка\n"
           "  --version          версия программы\n"
           "  -platform ИМЯ      платформа Qt (xcb, wayland, offscreen)\n"
           "  -style ИМЯ         стиль окон Qt\n"
           "Код возврата: 0 мастер закрыт, 2 ошибка в командной строке.\n";
}
