// zrk640ctl dump, diff and restore: the controller's configuration in a file.

#include "cli/CtlSession.h"

#include "cli/CtlPrompter.h"
#include "cli/ReadProgress.h"
#include "cli/TerminalLine.h"
#include "cli/TerminalProgress.h"
#include "config/ConfigurationCheck.h"
#include "config/ConfigurationDump.h"
#include "config/ConfigurationRestore.h"
#include "util/OutputFile.h"
#include "util/PrompterGuard.h"

#include <cstdio>

int CtlSession::ReadConfigurationFile(CheckedConfiguration& checked) {
    if (options.words.size() != 1)
        return Fail("Использование: zrk640ctl " + options.command + " ФАЙЛ [--partial]",
                    kUsageError);
    if (link.Table().empty())
        return Fail("Нет базы параметров parameters_m.zip рядом с программой", kDeviceFailure);
    std::string error;
    if (!LoadConfigurationFile(options.words[0], options.partial, link.Table(), checked, error))
        return Fail(error, kFileError);
    return kSuccess;
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
    TerminalLine line(false);
    DumpOutcome dumped;
    const int r = DumpConfiguration(ops, link.Table(), path, "zrk640ctl dump", ReadProgressOn(line),
                                    OutputFile::Write, dumped, error);
    line.End();
    FlushLog();
    if (r != kLinkOk)
        return Fail(error, r == kDumpNotWritten ? kFileError : kDeviceFailure);
    for (const std::string& unread : dumped.unread)
        std::fprintf(stderr, "Не прочитано %s\n", unread.c_str());
    // The summary never mixes into a file on standard output.
    std::FILE* summary = OutputFile::IsStandardOutput(path) ? stderr : stdout;
    std::fprintf(summary, "Сохранено параметров: %d\n", dumped.saved);
    if (dumped.unread.empty())
        return kSuccess;
    std::fprintf(stderr, "Не прочитано параметров: %zu; в файле они отмечены \"%s\"\n",
                 dumped.unread.size(), kNoData);
    return kDeviceFailure;
}

int CtlSession::Diff() { return WithCheckedFile(true, &CtlSession::DiffOnce); }

int CtlSession::Restore() { return WithCheckedFile(false, &CtlSession::RestoreOnce); }

int CtlSession::WithCheckedFile(bool comparing, OnceJob once) {
    // The whole file is checked before the first address is asked.
    CheckedConfiguration checked;
    if (const int r = ReadConfigurationFile(checked); r != kSuccess)
        return r;
    if (options.busAddresses.empty()) {
        AddressRow row;
        return (this->*once)(checked, row);
    }
    // Each controller of a line keeps its own address and link settings.
    if (comparing || !options.network)
        KeepOwnLinkSettings(checked);
    return OnEachAddress(comparing, [&](AddressRow& row) { (this->*once)(checked, row); });
}

int CtlSession::DiffOnce(const CheckedConfiguration& checked, AddressRow& row) {
    std::vector<ConfigurationDifference> differences;
    std::string error;
    const int r = ConfigurationBackup(ops, link.Table()).Compare(checked.values, differences, error);
    FlushLog();
    if (r != kLinkOk) {
        row.result = "ошибка чтения";
        return Fail("Ошибка чтения " + error, kDeviceFailure);
    }
    for (const DifferenceRow& difference : DifferenceRows(differences))
        std::printf("%s: в файле %s, в приборе %s\n", difference.key.c_str(),
                    difference.file.c_str(), difference.controller.c_str());
    for (const std::string& key : checked.unread)
        std::printf("%s: не сравнивается: в файле значение не прочитано (\"%s\")\n", key.c_str(),
                    kNoData);
    if (differences.empty() && checked.unread.empty())
        std::printf("Различий нет.\n");
    else if (differences.empty())
        std::printf("В остальных значениях различий нет.\n");
    row.differences = static_cast<int>(differences.size());
    row.good = differences.empty() && checked.unread.empty();
    row.result = !differences.empty() ? "есть различия"
                 : row.good           ? "совпадает"
                                      : "сравнено не всё";
    return row.good ? kSuccess : kDeviceFailure;
}

int CtlSession::RestoreOnce(const CheckedConfiguration& checked, AddressRow& row) {
    TerminalProgress progress;
    CtlPrompter prompter;
    PrompterGuard guard(prompter);
    ConfigurationRestore restore(ops, link, progress, link.Port().exit_event());
    RestoreReport report;
    std::string error;
    const int r = restore.Run(checked, {options.modification, options.network}, report, error);
    FlushLog();
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
