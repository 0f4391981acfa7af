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
    ConfigurationBackup backup(ops, link.Table());
    std::vector<std::pair<Parameter*, std::string>> resolved;
    std::vector<std::string> unread;
    std::vector<ConfigurationDifference> differences;
    std::string error;
    if (!backup.Resolve(entries, resolved, unread, error))
        return Fail(options.words[0] + ": " + error, kFileError);
    const int r = backup.Compare(resolved, differences, error);
    FlushLog();
    if (r != kLinkOk)
        return Fail("Ошибка чтения " + error, kDeviceFailure);
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
    return differences.empty() && unread.empty() ? kSuccess : kDeviceFailure;
}

int CtlSession::Restore() {
    std::vector<ConfigurationEntry> entries;
    int exitCode = kSuccess;
    if (!ReadConfigurationFile(entries, exitCode))
        return exitCode;
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
    if (!error.empty())
        return Fail("Ошибка чтения " + error, kDeviceFailure);
    return r == 0 ? kSuccess : kDeviceFailure;
}
