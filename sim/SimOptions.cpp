#include "sim/SimOptions.h"

#include "config/ModificationTraits.h"
#include "link/AddressList.h"
#include "sim/ControlCommand.h"

#include <functional>
#include <map>

namespace {

bool Number(const std::string& text, long low, long high, long& value) {
    try {
        std::size_t used = 0;
        value = std::stol(text, &used);
        return used == text.size() && value >= low && value <= high;
    } catch (const std::exception&) {
        return false;
    }
}

LinkConfig& Link(SimOptions& o) {
    if (!o.sim.link)
        o.sim.link = LinkConfig::Standard();
    return *o.sim.link;
}

using Setter = std::function<bool(SimOptions&, const std::string&)>;

Setter Ranged(long low, long high, std::function<void(SimOptions&, long)> set) {
    return [=](SimOptions& o, const std::string& text) {
        long v = 0;
        if (!Number(text, low, high, v))
            return false;
        set(o, v);
        return true;
    };
}

const std::map<std::string, Setter>& Setters() {
    static const std::map<std::string, Setter> setters{
        {"--base", [](SimOptions& o, const std::string& t) { o.sim.basePath = t; return true; }},
        {"--state", [](SimOptions& o, const std::string& t) { o.sim.statePath = t; return true; }},
        {"--journal", [](SimOptions& o, const std::string& t) { o.sim.journalPath = t; return !t.empty(); }},
        {"--link", [](SimOptions& o, const std::string& t) { o.server.linkPath = t; return true; }},
        {"--tcp", [](SimOptions& o, const std::string& t) { o.server.tcp = t; return true; }},
        {"--model", [](SimOptions& o, const std::string& t) { o.sim.model.model = t; return !t.empty(); }},
        {"--modification", Ranged(1, kModificationCount, [](SimOptions& o, long v) { o.sim.model.modification = int(v); })},
        {"--change-time", Ranged(0, 600000, [](SimOptions& o, long v) { o.sim.model.changeTime = std::chrono::milliseconds(v); })},
        {"--address", [](SimOptions& o, const std::string& t) {
             std::vector<int> list;
             std::string why;
             if (!ParseAddressList(t, list, why))
                 return false;
             Link(o).address = list.front();
             o.sim.addresses = list.size() > 1 ? list : std::vector<int>{};
             return true;
         }},
        {"--address-length", Ranged(8, 11, [](SimOptions& o, long v) { Link(o).addressLength = v == 11 ? 11 : 8; })},
        {"--baud", Ranged(1, 4000000, [](SimOptions& o, long v) { Link(o).baud = unsigned(v); })},
        {"--data-bits", Ranged(7, 8, [](SimOptions& o, long v) { Link(o).dataBits = int(v); })},
        {"--parity", Ranged(0, 2, [](SimOptions& o, long v) { Link(o).parity = int(v); })},
        {"--stop-bits", Ranged(1, 2, [](SimOptions& o, long v) { Link(o).stopBits = int(v); })},
        {"--drop", Ranged(0, 100, [](SimOptions& o, long v) { o.sim.faults.dropPercent = int(v); })},
        {"--corrupt", Ranged(0, 100, [](SimOptions& o, long v) { o.sim.faults.corruptPercent = int(v); })},
        {"--foreign", Ranged(0, 100, [](SimOptions& o, long v) { o.sim.faults.foreignPercent = int(v); })},
        {"--garbage", Ranged(0, 100, [](SimOptions& o, long v) { o.sim.faults.garbagePercent = int(v); })},
        {"--delay", Ranged(0, 600000, [](SimOptions& o, long v) { o.sim.faults.delayMs = int(v); })},
        {"--silent-after", Ranged(0, 1L << 40, [](SimOptions& o, long v) { o.sim.faults.silentAfter = v; })},
        {"--hang-up-after", Ranged(0, 1L << 40, [](SimOptions& o, long v) { o.sim.faults.hangUpAfter = v; })},
        {"--seed", Ranged(0, 0xFFFFFFFFL, [](SimOptions& o, long v) { o.sim.seed = unsigned(v); })},
    };
    return setters;
}

} // namespace

bool SimOptions::Parse(const std::vector<std::string>& args, std::string& error) {
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h" || a == "--version") {
            (a == "--version" ? version : help) = true;
            continue;
        }
        if (a == "--menu" || a == "--verbose" || a == "--no-pty") {
            (a == "--menu" ? sim.menu : a == "--verbose" ? verbose : server.pty) = a != "--no-pty";
            continue;
        }
        if (a == "--pace" || a.rfind("--pace=", 0) == 0) {
            long ms = SimServer::kDefaultTurnaround.count();
            if (a != "--pace" && !Number(a.substr(7), 0, 60000, ms)) {
                error = "неверное значение для --pace";
                return false;
            }
            server.pace = std::chrono::milliseconds(ms);
            continue;
        }
        const auto setter = Setters().find(a);
        if (setter == Setters().end()) {
            error = "неизвестный параметр: " + a;
            return false;
        }
        if (i + 1 >= args.size() || !setter->second(*this, args[++i])) {
            error = "неверное значение для " + a;
            return false;
        }
    }
    if (!server.pty && server.tcp.empty()) {
        error = "--no-pty без --tcp: прибору не на чем отвечать";
        return false;
    }
    return true;
}

std::string SimOptions::Usage() {
    return std::string(
               "zrk640-sim: имитатор контроллера ZRK640 на псевдотерминале (и TCP)\n\n"
               "  --base FILE          база параметров (по умолчанию parameters_m.zip рядом с программой)\n"
               "  --link PATH          постоянная символьная ссылка на псевдотерминал\n"
               "  --tcp HOST:PORT      отвечать также по TCP (порт 0: любой свободный)\n"
               "  --no-pty             только TCP\n"
               "  --state FILE         хранить значения параметров между запусками\n"
               "  --journal FILE       дописывать в файл каждую принятую запись: ИМЯ[ИНДЕКС]=ЗНАЧЕНИЕ\n"
               "                       (у параметра-списка ещё \" #N\", номер выбора) и APLY\n"
               "  --model NAME         ответ на \"dev\" (ZRK640)\n"
               "  --modification N     модификация 1..6\n"
               "  --change-time MS     время смены модификации (2000)\n"
               "  --address N --address-length 8|11 --baud N --data-bits 7|8\n"
               "  --parity 0|1|2 (нет, чет, нечет) --stop-bits 1|2   сетевые настройки при старте\n"
               "  --address 1-3,7      несколько приборов на одной линии, у каждого свои\n"
               "                       значения, файл состояния FILE.АДРЕС и строки журнала\n"
               "                       \"АДРЕС: ...\"; ответы двух приборов сразу искажают друг друга\n"
               "  --menu               прибор в меню передней панели: записи отклоняются\n"
               "  --drop|--corrupt|--foreign|--garbage PCT  доля испорченных ответов\n"
               "  --delay MS  --silent-after N  --hang-up-after N  --seed N\n"
               "  --pace[=MS]          ответ задерживается на время запроса и ответа на линии\n"
               "                       при скорости прибора плюс MS на обработку (5)\n"
               "  --verbose            кадры на stderr\n"
               "  --help, --version    эта справка, версия программы\n\n"
               "SIGUSR1 или команда reset: сброс сетевых настроек с передней панели\n"
               "(9600, 8 бит, без чётности, 1 стоп-бит, адрес 16, 8-битные адреса).\n"
               "Команды на stdin:\n") +
           ControlCommand::Help();
}
