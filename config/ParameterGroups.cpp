#include "config/ParameterGroups.h"

#include "util/TextCase.h"

#include <iterator>

namespace {

// Parameter `name` from index `from` on: unit (index - from) / per + 1.
struct GroupEntry {
    const char* name;
    GroupUnit unit;
    const char* block;
    int per = 1;
    int from = 0;
};

// The modification and the channel count come first: everything else
// depends on them.
constexpr GroupEntry kEntries[] = {
    {"mod.v", GroupUnit::Controller, "Модификация и каналы"},
    {"n.Ch", GroupUnit::Controller, "Модификация и каналы"},
    {"bPS", GroupUnit::Controller, "Сетевые параметры"},
    {"LEn", GroupUnit::Controller, "Сетевые параметры"},
    {"PrtY", GroupUnit::Controller, "Сетевые параметры"},
    {"Sbit", GroupUnit::Controller, "Сетевые параметры"},
    {"A.Len", GroupUnit::Controller, "Сетевые параметры"},
    {"Addr", GroupUnit::Controller, "Сетевые параметры"},
    {"behv", GroupUnit::Controller, "Прибор"},
    {"ind.r", GroupUnit::Controller, "Индикация"},
    {"ind.s", GroupUnit::Controller, "Индикация"},
    {"ind.t", GroupUnit::Controller, "Индикация"},
    {"regl", GroupUnit::Channel, "Блоки"},
    {"od.tp", GroupUnit::Channel, "Блоки"},
    {"insp", GroupUnit::Channel, "Блоки"},
    {"lba", GroupUnit::Channel, "Блоки"},
    {"npc", GroupUnit::Channel, "Блоки", 16},
    {"se.p", GroupUnit::Channel, "Выходы", 2},
    {"op", GroupUnit::Channel, "Выходы", 2},
    {"n.in.c", GroupUnit::Channel, "Вычислитель", 8},
    {"cal.t", GroupUnit::Channel, "Вычислитель", 8},
    {"SCA", GroupUnit::Channel, "Вычислитель", 8},
    {"A.ist", GroupUnit::Channel, "Вычислитель", 8},
    {"t.in.", GroupUnit::Channel, "Вычислитель", 8},
    {"in.", GroupUnit::Channel, "Вычислитель", 8},
    {"rEG.t", GroupUnit::Channel, "Регулятор"},
    {"Pou", GroupUnit::Channel, "Регулятор"},
    {"db", GroupUnit::Channel, "Регулятор"},
    {"Pb", GroupUnit::Channel, "Регулятор"},
    {"ti", GroupUnit::Channel, "Регулятор"},
    {"td.ti", GroupUnit::Channel, "Регулятор"},
    {"i.Upr", GroupUnit::Channel, "Регулятор"},
    {"i.min", GroupUnit::Channel, "Регулятор"},
    {"P.nom", GroupUnit::Channel, "Регулятор"},
    {"hys.c", GroupUnit::Channel, "Регулятор", 1, 8},
    {"del", GroupUnit::Channel, "Регулятор", 1, 8},
    {"hold", GroupUnit::Channel, "Регулятор", 1, 8},
    {"P.-Sp", GroupUnit::Channel, "Уставка", 3},
    {"Sp.lu", GroupUnit::Channel, "Уставка", 3},
    {"or.sp", GroupUnit::Channel, "Уставка", 3},
    {"in.gr", GroupUnit::Channel, "Уставка"},
    {"node", GroupUnit::Channel, "Уставка", 10},
    {"absc", GroupUnit::Channel, "Уставка", 10},
    {"ordn", GroupUnit::Channel, "Уставка", 10},
    {"Y0", GroupUnit::Channel, "Автонастройка"},
    {"YdoP", GroupUnit::Channel, "Автонастройка"},
    {"P.tol", GroupUnit::Channel, "Автонастройка"},
    {"rel.a", GroupUnit::Channel, "Инспектор"},
    {"e.use", GroupUnit::Channel, "Инспектор", 6},
    {"LG.tY", GroupUnit::Channel, "Инспектор", 6},
    {"rf.pt", GroupUnit::Channel, "Инспектор", 6},
    {"a.i.j", GroupUnit::Channel, "Инспектор", 6},
    {"bl.st", GroupUnit::Channel, "Инспектор", 2},
    {"bl.t", GroupUnit::Channel, "Инспектор", 2},
    {"hys.c", GroupUnit::Channel, "Инспектор"},
    {"del", GroupUnit::Channel, "Инспектор"},
    {"hold", GroupUnit::Channel, "Инспектор"},
    {"d.lba", GroupUnit::Channel, "LBA"},
    {"t.lba", GroupUnit::Channel, "LBA"},
    {"dlp", GroupUnit::Channel, "Задвижка", 2},
    {"t.dp", GroupUnit::Channel, "Задвижка", 2},
    {"db.F", GroupUnit::Channel, "Задвижка", 2},
    {"t.stp", GroupUnit::Channel, "Задвижка", 2},
    {"tp.l", GroupUnit::Channel, "Задвижка", 2},
    {"tp.h", GroupUnit::Channel, "Задвижка", 2},
    {"tfp", GroupUnit::Channel, "Задвижка", 2},
    {"lsp", GroupUnit::Channel, "Задвижка", 2},
    {"t.val", GroupUnit::Channel, "Задвижка"},
    {"dp", GroupUnit::Channel, "Индикация", 8},
    {"in-t", GroupUnit::Input, "Датчик"},
    {"itrL", GroupUnit::Input, "Датчик"},
    {"in.Fd", GroupUnit::Input, "Фильтр"},
    {"in.FG", GroupUnit::Input, "Фильтр"},
    {"in.SH", GroupUnit::Input, "Коррекция"},
    {"in.SL", GroupUnit::Input, "Коррекция"},
    {"Ain.L", GroupUnit::Input, "Аналоговый сигнал"},
    {"Ain.H", GroupUnit::Input, "Аналоговый сигнал"},
    {"r.el", GroupUnit::OutputElement, "Режим"},
    {"tHP", GroupUnit::OutputElement, "ШИМ"},
    {"t.L", GroupUnit::OutputElement, "ШИМ"},
};

// Read-only states and measurements, identity and commands.
constexpr const char* kNotConfiguration[] = {
    "n.Err", "dev",   "ver",   "exit",  "APLY", "ch.md", "rEAd", "r.CAL", "rd.rg",
    "Set.P", "r.OUt", "r.kEY", "r.PrG", "r.StP", "r.St", "S.OE", "M.s.t.r.",
};

} // namespace

bool GroupOf(const std::string& name, int index, ParameterGroup& group) {
    for (const char* excluded : kNotConfiguration)
        if (EqualsNoCase(name, excluded))
            return false;
    for (std::size_t i = 0; i < std::size(kEntries); ++i) {
        const GroupEntry& e = kEntries[i];
        if (!EqualsNoCase(name, e.name) || index < e.from)
            continue;
        group.unit = e.unit;
        group.number = e.unit == GroupUnit::Controller ? 0 : (index - e.from) / e.per + 1;
        group.block = e.block;
        group.rank = static_cast<int>(i);
        return true;
    }
    group = {GroupUnit::Other, 0, "Прочие параметры", static_cast<int>(std::size(kEntries))};
    return true;
}

std::string GroupTitle(const ParameterGroup& group) {
    const std::string number = std::to_string(group.number);
    switch (group.unit) {
    case GroupUnit::Channel:
        return "Канал " + number + ": " + group.block;
    case GroupUnit::Input:
        return "Вход " + number + ": " + group.block;
    case GroupUnit::OutputElement:
        return "Выходной элемент " + number + ": " + group.block;
    default:
        return group.block;
    }
}
