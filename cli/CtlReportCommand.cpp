// zrk640ctl report: the commissioning report of the controller as PDF or HTML.

#include "cli/CtlSession.h"

#include "config/CommissioningReportReader.h"
#include "render/ReportFile.h"

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
    if (link.Table().empty())
        return Fail("Нет базы параметров parameters_m.zip рядом с программой", kDeviceFailure);
    CommissioningReport report;
    std::string error;
    const int r = CommissioningReportReader(ops, link.Table()).Read(report, error);
    FlushLog();
    if (r != kLinkOk)
        return Fail("Ошибка чтения " + error + "\nОтчёт не записан.", kDeviceFailure);
    OffscreenApplication application;
    if (WriteReport(report, options.words[0], error) != 0)
        return Fail("Не удается записать файл " + options.words[0] + ": " + error,
                    kDeviceFailure);
    std::printf("Отчёт записан: %s\n", options.words[0].c_str());
    if (report.unread.empty())
        return kSuccess;
    std::string names;
    for (const std::string& key : report.unread)
        names += (names.empty() ? "" : ", ") + key;
    return Fail("Не удалось прочитать (в отчёте отмечены): " + names, kDeviceFailure);
}
