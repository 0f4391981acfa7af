#include "sim/ControlCommand.h"

#include <algorithm>
#include <sstream>

namespace {

bool ReadNumber(const std::string& text, long& value) {
    if (text == "off") {
        value = -1;
        return true;
    }
    try {
        std::size_t used = 0;
        value = std::stol(text, &used);
        return used == text.size() && value >= -1;
    } catch (const std::exception&) {
        return false;
    }
}

std::string Get(Simulator& sim, const std::string& key) {
    const std::size_t colon = key.find(':');
    long index = 0;
    if (colon != std::string::npos && !ReadNumber(key.substr(colon + 1), index))
        return "ошибка: неверный индекс";
    std::string value;
    if (!sim.Value(key.substr(0, colon), static_cast<int>(index), value))
        return "ошибка: нет параметра " + key;
    return "ok " + value;
}

std::string Status(Simulator& sim) {
    const LinkConfig l = sim.ActiveLink();
    std::ostringstream out;
    out << "ok модификация " << sim.Modification() << (sim.Busy() ? " (смена)" : "")
        << ", адрес " << l.address << '/' << l.addressLength << ", " << l.baud << ' '
        << l.dataBits << "N12"[l.parity] << l.stopBits << (sim.LineUp() ? "" : ", линия отключена");
    return out.str();
}

std::string JournalText(Simulator& sim) {
    std::string text;
    for (const std::string& line : sim.JournalLines())
        text += line + '\n';
    return text + "ok";
}

} // namespace

const char* ControlCommand::Help() {
    return "  reset            сброс сетевых настроек с передней панели (как SIGUSR1)\n"
           "  menu on|off      прибор в своём меню: записи отклоняются\n"
           "  drop|corrupt|foreign|garbage N   доля ответов (%) с этой неисправностью\n"
           "  delay MS         задержка каждого ответа\n"
           "  silent-after N|off, hang-up-after N|off   после N запросов\n"
           "  unplug | plug    отключить / подключить линию\n"
           "  faults off       выключить все неисправности\n"
           "  get NAME[:INDEX] значение параметра;  status  состояние\n"
           "  journal          журнал принятых записей, затем ok\n";
}

bool ControlCommand::SetFault(FaultSettings& f, const std::string& word, const std::string& arg) {
    long v = 0;
    if (!ReadNumber(arg, v))
        return false;
    const int percent = static_cast<int>(std::clamp(v, 0L, 100L));
    if (word == "drop") f.dropPercent = percent;
    else if (word == "corrupt") f.corruptPercent = percent;
    else if (word == "foreign") f.foreignPercent = percent;
    else if (word == "garbage") f.garbagePercent = percent;
    else if (word == "delay") f.delayMs = static_cast<int>(std::max(v, 0L));
    else if (word == "silent-after") f.silentAfter = v;
    else if (word == "hang-up-after") f.hangUpAfter = v;
    else return false;
    return true;
}

std::string ControlCommand::Run(Simulator& sim, const std::string& line) {
    std::istringstream in(line);
    std::string word, arg;
    in >> word >> arg;
    if (word == "reset")
        sim.FrontPanelReset();
    else if (word == "menu" && (arg == "on" || arg == "off"))
        sim.SetMenu(arg == "on");
    else if (word == "unplug" || word == "plug")
        sim.SetLineUp(word == "plug");
    else if (word == "faults" && arg == "off")
        sim.SetFaults({});
    else if (word == "get")
        return Get(sim, arg);
    else if (word == "status")
        return Status(sim);
    else if (word == "journal")
        return JournalText(sim);
    else if (FaultSettings f = sim.Faults(); SetFault(f, word, arg))
        sim.SetFaults(f);
    else
        return "ошибка: непонятная команда: " + line;
    return "ok";
}
