// zrk640ctl dump, diff and restore: the controller's configuration in a file.

#include "cli/CtlSession.h"

#include "cli/CtlPrompter.h"
#include "cli/ReadProgress.h"
#include "cli/TerminalLine.h"
#include "cli/TerminalProgress.h"
#include "config/ConfigurationBackup.h"
#include "config/ConfigurationDump.h"
#include "config/ConfigurationRestore.h"
#include "util/OutputFile.h"
#include "util/PrompterGuard.h"
#include "util/ReadWholeFile.h"

#include <cstdio>

namespace {

// A configuration file is a few hundred lines; anything far larger is no such file.
constexpr std::size_t kLargestFile = 4 << 20;

} // namespace

bool CtlSession::ReadConfigurationFile(std::vector<ConfigurationEntry>& entries, int& exitCode) {
    exitCode = kFileError;
    if (options.words.size() != 1) {
        exitCode = kUsageError;
        Fail("Использование: zrk640ctl " + options.command + " ФАЙЛ [--partial]", kUsageError);
        return false;
    }
    const std::string& path = options.words[0];
    std::string bytes, error;
    if (ReadWholeFile(path, kLargestFile, bytes, error) != 0) {
        Fail("Не удается прочитать файл " + path + ": " + error, kFileError);
        return false;
    }
    if (ParseConfiguration(bytes, options.partial, entries, error) != 0) {
        Fail(path + ": " + error, kFileError);
        return false;
    }
    if (link.Table().empty()) {
        exitCode = kDeviceFailure;
        Fail("Нет базы параметров parameters_m.zip рядом с программой", kDeviceFailure);
        return false;
    }
    return true;
}

int CtlSession::Dump() {
    if (options.words.size() != 1)
        return Fail("Использование: zrk640ctl dump ФАЙЛ (\"-\" - стандартный вывод)", kUsageError);
    const std::string& path = options.words[0];
    std::string error;
    // Said before the long read, not after it.
    if (OutputFile::Check(path, error) != 0)
        return Fail("Не удается записать файл " + path + ": " + error, kFileError);
    if (link.Table().empty())
        return Fail("Нет базы параметров parameters_m.zip рядом с программой", kDeviceFailure);
    ConfigurationBackup backup(ops, link.Table());
    TerminalLine line(false);
    backup.SetProgress(ReadProgressOn(line));
    std::vector<const Parameter*> read;
    const int r = backup.ReadAll(read, error);
    line.End();
    FlushLog();
    if (r != kLinkOk)
        return Fail("Ошибка чтения " + error + "\nФайл не записан.", kDeviceFailure);
    const std::string text = ConfigurationText(ops, read, "zrk640ctl dump");
    if (OutputFile::Write(path, text, error) != 0)
        return Fail("Не удается записать файл " + path + ": " + error, kFileError);
    const std::vector<std::string> unread = UnreadLines(read);
    for (const std::string& line : unread)
        std::fprintf(stderr, "Не прочитано %s\n", line.c_str());
    // The summary never mixes into a file on standard output.
    std::FILE* summary = OutputFile::IsStandardOutput(path) ? stderr : stdout;
    std::fprintf(summary, "Сохранено параметров: %zu\n", read.size() - unread.size());
    if (unread.empty())
        return kSuccess;
    std::fprintf(stderr, "Не прочитано параметров: %zu; в файле они отмечены \"%s\"\n",
                 unread.size(), kNoData);
    return kDeviceFailure;
}

int CtlSession::Diff() {
    std::vector<ConfigurationEntry> entries;
    int exitCode = kSuccess;
    if (!ReadConfigurationFile(entries, exitCode))
        return exitCode;
    Resolved resolved;
    std::vector<std::string> unread;
    std::string error;
    const ConfigurationBackup backup(ops, link.Table());
    if (!backup.Resolve(entries, resolved, unread, error))
        return Fail(options.words[0] + ": " + error, kFileError);
    // Checked whole, compared without what is each controller's own.
    if (!options.busAddresses.empty())
        backup.Resolve(OwnLinkSettingsKept(entries), resolved, unread, error);
    if (options.busAddresses.empty()) {
        AddressRow row;
        return DiffOnce(resolved, unread, row);
    }
    return OnEachAddress(true, [&](AddressRow& row) { DiffOnce(resolved, unread, row); });
}

int CtlSession::DiffOnce(const Resolved& resolved, const std::vector<std::string>& unread,
                         AddressRow& row) {
    std::vector<ConfigurationDifference> differences;
    std::string error;
    const int r = ConfigurationBackup(ops, link.Table()).Compare(resolved, differences, error);
    FlushLog();
    if (r != kLinkOk) {
        row.result = "ошибка чтения";
        return Fail("Ошибка чтения " + error, kDeviceFailure);
    }
    for (const ConfigurationDifference& d : differences)
        std::printf("%s: в файле %s, в приборе %s\n", ConfigurationKey(*d.parameter).c_str(),
                    d.wanted.c_str(), d.parameter->value.c_str());
    for (const std::string& key : unread)
        std::printf("%s: не сравнивается: в файле значение не прочитано (\"%s\")\n", key.c_str(),
                    kNoData);
    if (differences.empty() && unread.empty())
        std::printf("Различий нет.\n");
    else if (differences.empty())
        std::printf("В остальных значениях различий нет.\n");
    row.differences = static_cast<int>(differences.size());
    row.good = differences.empty() && unread.empty();
    row.result = !differences.empty() ? "есть различия"
                 : row.good           ? "совпадает"
                                      : "сравнено не всё";
    return row.good ? kSuccess : kDeviceFailure;
}

int CtlSession::Restore() {
    std::vector<ConfigurationEntry> entries;
    int exitCode = kSuccess;
    if (!ReadConfigurationFile(entries, exitCode))
        return exitCode;
    if (options.busAddresses.empty()) {
        AddressRow row;
        return RestoreOnce(entries, row);
    }
    std::string error;
    TerminalProgress progress;
    // The whole file is checked before the first address is asked.
    if (!ConfigurationRestore(ops, link, progress, link.Port().exit_event()).Fits(entries, error))
        return Fail(options.words[0] + ": " + error, kFileError);
    if (!options.network)
        entries = OwnLinkSettingsKept(entries);
    return OnEachAddress(false, [&](AddressRow& row) { RestoreOnce(entries, row); });
}

int CtlSession::RestoreOnce(const std::vector<ConfigurationEntry>& entries, AddressRow& row) {
    TerminalProgress progress;
    CtlPrompter prompter;
    PrompterGuard guard(prompter);
    ConfigurationRestore restore(ops, link, progress, link.Port().exit_event());
    RestoreReport report;
    std::string error;
    const int r = restore.Run(entries, {options.modification, options.network}, report, error);
    FlushLog();
    if (r == ConfigurationRestore::kBadFile)
        return Fail(options.words[0] + ": " + error, kFileError);
    // What was written before a failed read is said too.
    std::printf("Отчет о восстановлении настроек:\n");
    for (const std::string& line : report.lines)
        std::printf("  %s\n", line.c_str());
    std::printf("Изменено: %d, не изменено: %d\n", report.changed, report.refused);
    row.written = report.changed;
    row.refused = report.refused;
    if (!error.empty()) {
        row.result = "ошибка чтения";
        return Fail("Ошибка чтения " + error, kDeviceFailure);
    }
    row.good = r == 0;
    row.result = row.good ? "записано все" : "записано не все";
    return row.good ? kSuccess : kDeviceFailure;
}
