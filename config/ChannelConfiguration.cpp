#include "config/ChannelConfiguration.h"

#include "config/ConfigurationProgress.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "util/Prompter.h"

#include <charconv>
#include <cstdlib>

namespace {

constexpr const char* kReportHead =
    "Было произведено переконфигурирование прибора с нестандартным подключением Выходных "
    "Элементов. Самостоятельно проверьте параметры op (ссылка №1 на Выходной элемент, дерево "
    "«Преобразователи Сигналов») и rel.a (подключённый к инспектору Выходной элемент, дерево "
    "«Инспекторы»). Нестандартные подключения:\n\n";

// A count text of at least 1; 0 for anything else.
int CountOf(const std::string& text) {
    int count = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), count);
    return ec == std::errc() && end == text.data() + text.size() && count >= 1 ? count : 0;
}

// The channel released by the step down to count m; -1 for none.
int ReleasedBy(int m, bool pairs) {
    if (!pairs)
        return m;
    return m % 2 == 1 ? m - 1 : -1;
}

// The channel set up by the step up to count m; -1 for none.
int SetUpBy(int m, bool pairs) {
    if (!pairs)
        return m - 1;
    return m % 2 == 0 ? m - 2 : -1;
}

} // namespace

int ChannelConfiguration::Apply(Parameter& channelCount, int modification) {
    report.clear();
    unwritten.clear();
    silence = {};
    if (channelCount.value == kNoData) {
        channelCount.Record(ExchangeResult::Of(ExchangeCause::NotRead));
        return kLinkNotRead;
    }
    const std::string requested = channelCount.value;
    const int to = CountOf(requested);
    if (to == 0) {
        channelCount.message = "Недопустимое количество каналов: " + requested;
        return kLinkBadValue;
    }
    const ChannelSequence* sequence = ChannelSequenceOf(modification);
    if (!sequence) {
        // Writing blocks for an unknown modification would be guesswork.
        channelCount.message = "Модификация прибора не была определена!";
        return kLinkNothing;
    }
    // Without the current count the steps cannot be known: nothing is written.
    if (const int r = ops.ReadParameter(&channelCount); r != kLinkOk) {
        channelCount.message = "Ошибка команды 'n.Ch':\n" + channelCount.message;
        channelCount.value = requested;
        return r;
    }
    const int from = std::atoi(channelCount.value.c_str());
    if (from == to)
        return kLinkOk;

    progress.OpenBusyWindow("Конфигурирование каналов...", 100 / std::abs(to - from));
    for (const char* name : ChannelBlockNames())
        maps[name] = ParametersNamed(table, name);
    const int result = RunSteps(channelCount, from, to, *sequence);
    // Only the links of modifications 4 to 6 fall back and add lines.
    if (!report.empty())
        ShowReport();
    if (!unwritten.empty())
        ShowUnwritten();
    maps.clear();
    report.clear();
    unwritten.clear();
    progress.CloseBusyWindow();
    return result;
}

int ChannelConfiguration::RunSteps(Parameter& channelCount, int from, int to,
                                   const ChannelSequence& sequence) {
    if (to < from) {
        for (int m = from - 1; m >= to; --m) {
            progress.StepBusyWindow();
            RunBlock(sequence.release, ReleasedBy(m, sequence.pairs));
            if (const int r = WriteCount(channelCount, m); r != kLinkOk)
                return r;
        }
        return kLinkOk;
    }
    for (int m = from + 1; m <= to; ++m) {
        progress.StepBusyWindow();
        if (const int r = WriteCount(channelCount, m); r != kLinkOk)
            return r;
        RunBlock(sequence.setUp, SetUpBy(m, sequence.pairs));
    }
    return kLinkOk;
}

int ChannelConfiguration::WriteCount(Parameter& channelCount, int count) {
    channelCount.value = std::to_string(count);
    return ops.WriteParameter(&channelCount);
}

// A link the controller refuses falls back to a free element; any other
// write not taken is named at the end. A lost reply is asked for again and
// sends no link elsewhere.
void ChannelConfiguration::RunBlock(const std::vector<BlockWrite>& writes, int channel) {
    if (channel < 0)
        return;
    for (const BlockWrite& w : writes) {
        Parameter* p = AtIndex(maps[w.name], w.index.At(channel));
        if (!p)
            continue;
        const int value = w.value.At(channel);
        if (w.choice)
            SetChoice(*p, value);
        else
            p->value = std::to_string(value);
        // Once the line is dead the rest is not sent, only named.
        const bool dead = silence.Dead();
        if (!dead && ops.WriteParameter(p) == kLinkOk) {
            silence.Count(p->exchange);
            continue;
        }
        if (!dead)
            silence.Count(p->exchange);
        if (!dead && w.fallback && p->exchange.outcome() == ExchangeOutcome::Refused)
            ops.ConnectToFreeOutput(*p, report);
        else
            unwritten.push_back(p->name + "[" + std::to_string(p->index) + "]: " +
                                (dead ? "не записано: прибор не отвечает" : p->message));
    }
}

void ChannelConfiguration::ShowReport() const {
    std::string text = kReportHead;
    for (const std::string& line : report)
        text += line + "\n";
    ShowMessage(text, "Сообщение", PromptIcon::Information);
}

void ChannelConfiguration::ShowUnwritten() const {
    std::string text = "Прибор не принял настройку блоков каналов:\n";
    for (const std::string& line : unwritten)
        text += "\n" + line;
    ShowMessage(text, "Конфигурирование каналов", PromptIcon::Warning);
}
