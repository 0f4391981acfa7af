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
#include <map>
#include <set>

namespace {

constexpr const char* kModificationName = "mod.v";
constexpr const char* kChannelCountName = "n.Ch";
constexpr int kNotConnected = 0;

bool IsOutputLink(const Parameter& p) {
    return EqualsNoCase(p.name, "op") || EqualsNoCase(p.name, "rel.a");
}

int ChoiceOf(const Parameter& p, const std::string& text) {
    for (int n = 0;; ++n) {
        const std::string choice = choice_text(p, n);
        if (choice == kNoData || choice.empty())
            return -1;
        if (choice == text)
            return n;
    }
}

std::string Line(const Parameter& p, const std::string& text) {
    return ConfigurationKey(p) + ": " + text;
}

// Two links of the file on one output element would be refused halfway.
bool DuplicateLink(const std::vector<std::pair<Parameter*, std::string>>& resolved,
                   std::string& error) {
    std::map<int, std::string> taken;
    for (const auto& [p, value] : resolved) {
        const int element = IsOutputLink(*p) ? ChoiceOf(*p, value) : kNotConnected;
        if (element <= kNotConnected)
            continue;
        const auto [at, fresh] = taken.emplace(element, ConfigurationKey(*p));
        if (!fresh) {
            error = "В файле к одному Выходному элементу подключены " + at->second + " и " +
                    ConfigurationKey(*p);
            return true;
        }
    }
    return false;
}

} // namespace

void ConfigurationRestore::ReportUnread(const std::vector<std::string>& keys,
                                        RestoreReport& report) {
    for (const std::string& key : keys)
        report.lines.push_back(key + ": пропущено: значение не было прочитано, когда файл "
                                     "сохраняли");
    report.refused += static_cast<int>(keys.size());
}

int ConfigurationRestore::Differences(const Resolved& resolved,
                                      std::vector<ConfigurationDifference>& out,
                                      std::string& error) {
    return ConfigurationBackup(ops, link.Table()).Compare(resolved, out, error);
}

// Once the line is dead nothing more is sent: what was not written is said.
bool ConfigurationRestore::LineDead(const Parameter& p, RestoreReport& report) {
    if (!silence.Dead())
        return false;
    report.lines.push_back(
        Line(p, exit.is_set() ? "не записано: прервано" : "не записано: прибор не отвечает"));
    ++report.refused;
    return true;
}

void ConfigurationRestore::Write(Parameter& p, const std::string& wanted, RestoreReport& report) {
    if (LineDead(p, report))
        return;
    const std::string before = p.value;
    p.value = wanted;
    const int written = ops.WriteParameter(&p);
    silence.Count(p.exchange);
    if (written != kLinkOk) {
        // Without an answer the controller may or may not have taken it.
        const ExchangeOutcome o = p.exchange.outcome();
        report.lines.push_back(Line(
            p, o == ExchangeOutcome::Aborted ? "прервано: записано ли " + wanted + ", неизвестно"
               : p.exchange.lost() || o == ExchangeOutcome::PortGone
                   ? "нет ответа (" + p.message + "): записано ли " + wanted + ", неизвестно"
                   : "отказ (" + p.message + "), в приборе " + before));
        ++report.refused;
        p.value = before;
        return;
    }
    const int readBack = ops.ReadParameter(&p);
    silence.Count(p.exchange);
    if (readBack != kLinkOk) {
        report.lines.push_back(Line(p, "записано " + wanted + ", проверить не удалось (" +
                                           p.message + ")"));
        ++report.refused;
        return;
    }
    if (!SameValue(p, p.value, wanted)) {
        report.lines.push_back(Line(p, "записано " + wanted + ", прибор хранит " + p.value));
        ++report.refused;
        return;
    }
    report.lines.push_back(Line(p, before + " -> " + p.value));
    ++report.changed;
}

bool ConfigurationRestore::ChangeModification(const ConfigurationDifference& d,
                                              const RestoreOptions& options,
                                              RestoreReport& report) {
    const Parameter& p = *d.parameter;
    if (!options.modification) {
        report.lines.push_back("Файл снят с прибора модификации " + d.wanted +
                               ", а у прибора модификация " + p.value +
                               ". Смена модификации стирает все настройки прибора; "
                               "она выполняется только с --modification. Ничего не записано.");
        ++report.refused;
        return false;
    }
    ShowMessage("Внимание! Прибор будет переведен в модификацию " + d.wanted +
                    ": все его настройки будут потеряны, параметры связи станут стандартными.",
                {}, PromptIcon::Warning);
    const std::string before = p.value; // the change reads "mod.v" again
    const ModificationOutcome outcome =
        ModificationChange(ops, link, progress, exit).Run(std::atoi(d.wanted.c_str()));
    if (outcome != ModificationOutcome::Changed && outcome != ModificationOutcome::Kept) {
        report.lines.push_back(Line(p, "модификация не сменена. Ничего больше не записано."));
        ++report.refused;
        return false;
    }
    report.lines.push_back(Line(p, before + " -> " + d.wanted + " (все настройки сброшены)"));
    ++report.changed;
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
        report.lines.push_back(Line(p, "число каналов не сменено: " + p.message));
        ++report.refused;
        return;
    }
    report.lines.push_back(Line(p, before + " -> " + p.value + " (с настройкой блоков каналов)"));
    ++report.changed;
}

// Links that leave an element another link wants are disconnected first,
// so the controller never sees two links on one element.
void ConfigurationRestore::WriteLinks(const std::vector<ConfigurationDifference>& links,
                                      RestoreReport& report) {
    std::set<int> wanted;
    for (const ConfigurationDifference& d : links)
        wanted.insert(ChoiceOf(*d.parameter, d.wanted));
    for (const ConfigurationDifference& d : links) {
        Parameter& p = *d.parameter;
        const int current = ChoiceOf(p, p.value);
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
            report.lines.push_back(Line(*d.parameter, "не изменено (в файле " + d.wanted +
                                                          ", в приборе " + d.parameter->value +
                                                          "): адрес и параметры связи меняются "
                                                          "только с --network"));
        report.refused += static_cast<int>(network.size());
        return;
    }
    LinkSettingsChange::Settings settings;
    for (const ConfigurationDifference& d : network)
        settings[d.parameter->name] = d.wanted;
    const LinkChangeOutcome outcome = LinkSettingsChange(link, ops).Run(settings, report.lines);
    if (LinkSettingsChange::Succeeded(outcome))
        report.changed += static_cast<int>(network.size());
    else
        report.refused += static_cast<int>(network.size());
}

bool ConfigurationRestore::Resolve(const std::vector<ConfigurationEntry>& entries,
                                   Resolved& resolved, std::vector<std::string>& unread,
                                   std::string& error) {
    return ConfigurationBackup(ops, link.Table()).Resolve(entries, resolved, unread, error) &&
           !DuplicateLink(resolved, error);
}

bool ConfigurationRestore::Fits(const std::vector<ConfigurationEntry>& entries,
                                std::string& error) {
    Resolved resolved;
    std::vector<std::string> unread;
    return Resolve(entries, resolved, unread, error);
}

int ConfigurationRestore::Run(const std::vector<ConfigurationEntry>& entries,
                              const RestoreOptions& options, RestoreReport& report,
                              std::string& error) {
    Resolved resolved;
    std::vector<std::string> unread;
    if (!Resolve(entries, resolved, unread, error))
        return kBadFile;
    ReportUnread(unread, report);
    // Blocks before their settings, whatever order the file has.
    std::stable_sort(resolved.begin(), resolved.end(), [](const auto& a, const auto& b) {
        return ConfigurationOrder(*a.first, *b.first);
    });
    std::vector<ConfigurationDifference> differences;
    int r = Differences(resolved, differences, error);
    if (r != kLinkOk)
        return r;
    const auto named = [&](const char* name) {
        return std::find_if(differences.begin(), differences.end(),
                            [name](const ConfigurationDifference& d) {
                                return EqualsNoCase(d.parameter->name, name);
                            });
    };
    if (const auto m = named(kModificationName); m != differences.end()) {
        if (!ChangeModification(*m, options, report))
            return 1;
        if ((r = Differences(resolved, differences, error)) != kLinkOk)
            return r;
    }
    if (const auto n = named(kChannelCountName); n != differences.end()) {
        ChangeChannelCount(*n, report);
        // The channel configuration set the blocks up: compare again.
        if ((r = Differences(resolved, differences, error)) != kLinkOk)
            return r;
    }
    std::vector<ConfigurationDifference> links, network;
    for (const ConfigurationDifference& d : differences) {
        Parameter& p = *d.parameter;
        if (EqualsNoCase(p.name, kModificationName) || EqualsNoCase(p.name, kChannelCountName))
            continue;
        if (NetRS485::IsNetworkSettingName(p.name))
            network.push_back(d);
        else if (IsOutputLink(p))
            links.push_back(d);
        else
            Write(p, d.wanted, report);
    }
    WriteLinks(links, report);
    ChangeNetwork(network, options, report);
    return report.refused == 0 ? 0 : 1;
}
