#include "config/ChannelConfiguration.h"

#include "config/ConfigurationProgress.h"
#include "device/DeviceLink.h"
#include "device/LostReplies.h"
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
    if (channelCount.value == kNoData) {
        channelCount.message = kNotInitialisedNote;
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
    if (const int r = ReadUntilAnswered(ops, channelCount); r != kLinkOk) {
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
    maps.clear();
    report.clear();
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
    return WriteUntilAnswered(ops, channelCount);
}

// Results are not examined but for the links that may fall back; for them a
// lost reply is no refusal and sends no link elsewhere.
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
        if (!w.fallback)
            ops.WriteParameter(p);
        else if (WriteUntilAnswered(ops, *p) != kLinkOk)
            ops.ConnectToFreeOutput(*p, report);
    }
}

void ChannelConfiguration::ShowReport() const {
    std::string text = kReportHead;
    for (const std::string& line : report)
        text += line + "\n";
    ShowMessage(text, "Сообщение", PromptIcon::Information);
}
