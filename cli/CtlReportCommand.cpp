// zrk640ctl report: the commissioning report of the controller as PDF or HTML.

#include "cli/CtlSession.h"

#include "cli/ReadProgress.h"
#include "cli/TerminalLine.h"

#include "render/ControllerReport.h"
#include "render/ReportFile.h"
#include "util/OutputFile.h"

#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace {

// Fonts and painting need a QGuiApplication; the report needs no display.
class OffscreenApplication {
public:
    OffscreenApplication() {
        if (!QGuiApplication::instance()) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
            app = std::make_unique<QGuiApplication>(argc, argv);
        }
    }

private:
    int argc = 1;
    char name[10] = "zrk640ctl";
    char* argv[2] = {name, nullptr};
    std::unique_ptr<QGuiApplication> app;
};

} // namespace

int CtlSession::Report() {
    if (options.words.size() != 1 || ReportFormatOf(options.words[0]) == ReportFormat::None)
        return Fail("Использование: zrk640ctl report ФАЙЛ.pdf|ФАЙЛ.html", kUsageError);
    const std::string& path = options.words[0];
    std::string error;
    // Said before the long read, not after it.
    if (OutputFile::Check(path, error) != 0)
        return Fail("Не удается записать файл " + path + ": " + error, kFileError);
    if (link.Table().empty())
        return Fail("Нет базы параметров parameters_m.zip рядом с программой", kDeviceFailure);
    OffscreenApplication application;
    CommissioningReport report;
    TerminalLine line(false);
    const int r = WriteControllerReport(ops, link.Table(), path, ReadProgressOn(line), {}, report,
                                        error);
    line.End();
    FlushLog();
    if (r != kReportWritten)
        return Fail(error, r == kReportNotRead ? kDeviceFailure : kFileError);
    std::printf("Отчёт записан: %s\n", path.c_str());
    if (report.unread.empty())
        return kSuccess;
    return Fail("Не удалось прочитать (в отчёте отмечены): " + UnreadNames(report),
                kDeviceFailure);
}
