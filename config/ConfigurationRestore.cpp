#include "config/ConfigurationRestore.h"

#include "config/ChannelCountChange.h"
#include "config/ConfigurationProgress.h"
#include "config/ModificationChange.h"
#include "device/DeviceLink.h"
#include "device/DeviceOperations.h"
#include "device/LinkSettingsChange.h"
#include "device/NetRS485.h"
#include "util/Prompter.h"
#include "util/TextCase.h"

#include <algorithm>
#include <cstdlib>
#include <set>

namespace {

constexpr const char* kModificationName = "mod.v";
constexpr const char* kChannelCountName = "n.Ch";
constexpr int kNotConnected = 0;

std::string Line(const Parameter& p, const std::string& text) {
    return ConfigurationKey(p) + ": " + text;
}

} // namespace

void ConfigurationRestore::ReportUnread(const std::vector<std::string>& keys,
                                        RestoreReport& report) {
    for (const std::string& key : keys)
        report.Refuse(key + ": пропущено: значение не было прочитано, когда файл сохраняли");
}

void ConfigurationRestore::SetProgress(ConfigurationBackup::Progress reads,
                                       ConfigurationBackup::Progress writes) {
    readProgress = std::move(reads);
    writeProgress = std::move(writes);
}

int ConfigurationRestore::Differences(const CheckedConfiguration& checked,
                                      std::vector<ConfigurationDifference>& out,
                                      std::string& error) {
    ConfigurationBackup backup(ops, link.Table());
    backup.SetProgress(readProgress);
    return backup.Compare(checked.values, out, error);
}

void ConfigurationRestore::CountWrite() {
    ++written;
    if (writeProgress)
        writeProgress(written, std::max(toWrite, written));
}

// Once the line is dead nothing more is sent: what was not written is said.
bool ConfigurationRestore::LineDead(const Parameter& p, RestoreReport& report) {
    if (!silence.Dead())
        return false;
    report.Refuse(
        Line(p, exit.is_set() ? "не записано: прервано" : "не записано: прибор не отвечает"));
    return true;
}

void ConfigurationRestore::Write(Parameter& p, const std::string& wanted, RestoreReport& report) {
    CountWrite();
    if (LineDead(p, report))
        return;
    const std::string before = p.value;
    p.value = wanted;
    const int written = ops.WriteParameter(&p);
    silence.Count(p.exchange);
    if (written != kLinkOk) {
        // Without an answer the controller may or may not have taken it.
        const ExchangeOutcome o = p.exchange.outcome();
        report.Refuse(Line(
            p, o == ExchangeOutcome::Aborted ? "прервано: записано ли " + wanted + ", неизвестно"
               : p.exchange.lost() || o == ExchangeOutcome::PortGone
                   ? "нет ответа (" + p.message + "): записано ли " + wanted + ", неизвестно"
                   : "отказ (" + p.message + "), в приборе " + before));
        p.value = before;
        return;
    }
    const int readBack = ops.ReadParameter(&p);
    silence.Count(p.exchange);
    if (readBack != kLinkOk) {
        report.Refuse(Line(p, "записано " + wanted + ", проверить не удалось (" +
                                           p.message + ")"));
        return;
    }
    if (!SameValue(p, p.value, wanted)) {
        report.Refuse(Line(p, "записано " + wanted + ", прибор хранит " + p.value));
        return;
    }
    report.Change(Line(p, before + " -> " + p.value));
}

bool ConfigurationRestore::ChangeModification(const ConfigurationDifference& d,
                                              const RestoreOptions& options,
                                              RestoreReport& report) {
    const Parameter& p = *d.parameter;
    if (!options.modification) {
        report.Refuse("Файл снят с прибора модификации " + d.wanted + ", а у прибора модификация " +
                      p.value +
                      ". Смена модификации стирает все настройки прибора; "
                      "она выполняется только с --modification. Ничего не записано.");
        return false;
    }
    ShowMessage("Внимание! Прибор будет переведен в модификацию " + d.wanted +
                    ": все его настройки будут потеряны, параметры связи станут стандартными.",
                {}, PromptIcon::Warning);
    const std::string before = p.value; // the change reads "mod.v" again
    ModificationChange change(ops, link, progress, exit);
    change.SetTiming(changeTiming);
    const ModificationOutcome outcome = change.Run(std::atoi(d.wanted.c_str()));
    if (outcome != ModificationOutcome::Changed && outcome != ModificationOutcome::Kept) {
        report.Refuse(Line(p, "модификация не сменена. Ничего больше не записано."));
        return false;
    }
    report.Change(Line(p, before + " -> " + d.wanted + " (все настройки сброшены)"));
    return true;
}

void ConfigurationRestore::ChangeChannelCount(const ConfigurationDifference& d,
                                              RestoreReport& report) {
    Parameter& p = *d.parameter;
    if (LineDead(p, report))
        return;
    const std::string before = p.value;
    p.value = d.wanted;
    const int modification = ReadModification(ops, link);
    const int r = ChannelCountChange(ops, link.Table(), progress).Run(p, modification);
    if (r != kLinkOk || ops.ReadParameter(&p) != kLinkOk || p.value != d.wanted) {
        report.Refuse(Line(p, "число каналов не сменено: " + p.message));
        return;
    }
    report.Change(Line(p, before + " -> " + p.value + " (с настройкой блоков каналов)"));
}

// Links that leave an element another link wants are disconnected first,
// so the controller never sees two links on one element.
void ConfigurationRestore::WriteLinks(const std::vector<ConfigurationDifference>& links,
                                      RestoreReport& report) {
    std::set<int> wanted;
    for (const ConfigurationDifference& d : links)
        wanted.insert(ChoiceNumberOf(*d.parameter, d.wanted));
    for (const ConfigurationDifference& d : links) {
        Parameter& p = *d.parameter;
        const int current = ChoiceNumberOf(p, p.value);
        if (current > kNotConnected && wanted.count(current) && !silence.Dead()) {
            p.value = choice_text(p, kNotConnected);
            const int r = ops.WriteParameter(&p);
            silence.Count(p.exchange);
            if (r != kLinkOk)
                report.lines.push_back(Line(p, "не отключен: " + p.message));
        }
    }
    for (const ConfigurationDifference& d : links)
        if (d.parameter->value != d.wanted)
            Write(*d.parameter, d.wanted, report);
}

void ConfigurationRestore::ChangeNetwork(const std::vector<ConfigurationDifference>& network,
                                         const RestoreOptions& options, RestoreReport& report) {
    if (network.empty())
        return;
    if (silence.Dead()) {
        for (const ConfigurationDifference& d : network)
            LineDead(*d.parameter, report);
        return;
    }
    if (!options.network) {
        for (const ConfigurationDifference& d : network)
            report.Refuse(Line(*d.parameter, "не изменено (в файле " + d.wanted + ", в приборе " +
                                                 d.parameter->value +
                                                 "): адрес и параметры связи меняются "
                                                 "только с --network"));
        return;
    }
    LinkSettingsChange::Settings settings;
    for (const ConfigurationDifference& d : network)
        settings[d.parameter->name] = d.wanted;
    const LinkChangeOutcome outcome = LinkSettingsChange(link, ops).Run(settings, report.lines);
    if (LinkSettingsChange::Succeeded(outcome)) {
        report.changed += static_cast<int>(network.size());
        return;
    }
    report.refused += static_cast<int>(network.size());
    for (const ConfigurationDifference& d : network)
        report.notTaken.push_back(Line(*d.parameter, "не изменено"));
}

int ConfigurationRestore::Run(const CheckedConfiguration& checked, const RestoreOptions& options,
                              RestoreReport& report, std::string& error) {
    std::vector<ConfigurationDifference> differences;
    if (const int r = Differences(checked, differences, error); r != kLinkOk) {
        ReportUnread(checked.unread, report);
        return r;
    }
    return Apply(checked, std::move(differences), options, report, error);
}

int ConfigurationRestore::Apply(const CheckedConfiguration& checked,
                                std::vector<ConfigurationDifference> differences,
                                const RestoreOptions& options, RestoreReport& report,
                                std::string& error) {
    ReportUnread(checked.unread, report);
    const auto named = [&](const char* name) {
        return std::find_if(differences.begin(), differences.end(),
                            [name](const ConfigurationDifference& d) {
                                return EqualsNoCase(d.parameter->name, name);
                            });
    };
    int r = kLinkOk;
    if (const auto m = named(kModificationName); m != differences.end()) {
        if (!ChangeModification(*m, options, report))
            return 1;
        if ((r = Differences(checked, differences, error)) != kLinkOk)
            return r;
    }
    if (const auto n = named(kChannelCountName); n != differences.end()) {
        ChangeChannelCount(*n, report);
        // The channel configuration set the blocks up: compare again.
        if ((r = Differences(checked, differences, error)) != kLinkOk)
            return r;
    }
    std::vector<ConfigurationDifference> values, links, network;
    for (const ConfigurationDifference& d : differences) {
        Parameter& p = *d.parameter;
        if (EqualsNoCase(p.name, kModificationName) || EqualsNoCase(p.name, kChannelCountName))
            continue;
        if (NetRS485::IsNetworkSettingName(p.name))
            network.push_back(d);
        else
            (IsOutputLink(p) ? links : values).push_back(d);
    }
    toWrite = static_cast<int>(values.size() + links.size());
    written = 0;
    for (const ConfigurationDifference& d : values)
        Write(*d.parameter, d.wanted, report);
    WriteLinks(links, report);
    ChangeNetwork(network, options, report);
    return report.refused == 0 ? 0 : 1;
}
