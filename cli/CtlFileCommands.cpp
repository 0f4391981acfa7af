// zrk640ctl dump, diff and restore: the controller's configuration in a file.

#include "cli/CtlSession.h"

#include "cli/TerminalProgress.h"
#include "config/ConfigurationBackup.h"
#include "config/ConfigurationDump.h"
#include "config/ConfigurationRestore.h"

#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

// A configuration file is a few hundred lines; anything far larger is no such file.
constexpr std::streamoff kLargestFile = 4 << 20;

} // namespace

bool CtlSession::ReadConfigurationFile(std::vector<ConfigurationEntry>& entries, int& exitCode) {
    exitCode = kUsageError;
    if (options.words.size() != 1) {
        Fail("Использование: zrk640ctl " + options.command + " ФАЙЛ", kUsageError);
        return false;
    }
    const std::string& path = options.words[0];
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    if (!file || file.tellg() > kLargestFile) {
        Fail("Не удается прочитать файл " + path, kUsageError);
        return false;
    }
    file.seekg(0);
    std::ostringstream text;
    text << file.rdbuf();
    std::string error;
    if (ParseConfiguration(text.str(), entries, error) != 0) {
        Fail(path + ": " + error, kUsageError);
        return false;
    }
    if (link.Table().empty()) {
        Fail("Нет базы параметров parameters_m.zip рядом с программой", kDeviceFailure);
        exitCode = kDeviceFailure;
        return false;
    }
    return true;
}

int CtlSession::Dump() {
    if (options.words.size() != 1)
        return Fail("Использование: zrk640ctl dump ФАЙЛ", kUsageError);
    if (link.Table().empty())
        return Fail("Нет базы параметров parameters_m.zip рядом с программой", kDeviceFailure);
    int saved = 0;
    std::string error;
    const int r =
        DumpConfiguration(ops, link.Table(), options.words[0], "zrk640ctl dump", saved, error);
    FlushLog();
    if (r != kLinkOk)
        return Fail(error, kDeviceFailure);
    std::printf("Сохранено параметров: %d\n", saved);
    return kSuccess;
}

int CtlSession::Diff() {
    std::vector<ConfigurationEntry> entries;
    int exitCode = kSuccess;
    if (!ReadConfigurationFile(entries, exitCode))
        return exitCode;
    ConfigurationBackup backup(ops, link.Table());
    std::vector<std::pair<Parameter*, std::string>> resolved;
    std::vector<ConfigurationDifference> differences;
    std::string error;
    if (!backup.Resolve(entries, resolved, error))
        return Fail(options.words[0] + ": " + error, kUsageError);
    const int r = backup.Compare(resolved, differences, error);
    FlushLog();
    if (r != kLinkOk)
        return Fail("Ошибка чтения " + error, kDeviceFailure);
    for (const ConfigurationDifference& d : differences)
        std::printf("%s: в файле %s, в приборе %s\n", ConfigurationKey(*d.parameter).c_str(),
                    d.wanted.c_str(), d.parameter->value.c_str());
    if (differences.empty())
        std::printf("Различий нет.\n");
    return differences.empty() ? kSuccess : kDeviceFailure;
}

int CtlSession::Restore() {
    std::vector<ConfigurationEntry> entries;
    int exitCode = kSuccess;
    if (!ReadConfigurationFile(entries, exitCode))
        return exitCode;
    TerminalProgress progress;
    ConfigurationRestore restore(ops, link, progress, link.Port().exit_event());
    RestoreReport report;
    std::string error;
    const int r = restore.Run(entries, {options.modification, options.network}, report, error);
    FlushLog();
    if (r == ConfigurationRestore::kBadFile)
        return Fail(options.words[0] + ": " + error, kUsageError);
    if (!error.empty())
        return Fail("Ошибка чтения " + error, kDeviceFailure);
    std::printf("Отчет о восстановлении настроек:\n");
    for (const std::string& line : report.lines)
        std::printf("  %s\n", line.c_str());
    std::printf("Изменено: %d, не изменено: %d\n", report.changed, report.refused);
    return r == 0 ? kSuccess : kDeviceFailure;
}
