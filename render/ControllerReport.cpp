#include "render/ControllerReport.h"

#include "render/ReportFile.h"

int WriteControllerReport(DeviceOperations& ops, const ParameterTable& table,
                          const std::string& path,
                          const CommissioningReportReader::Progress& progress,
                          std::vector<ReportWrite> writes, CommissioningReport& report,
                          std::string& error) {
    CommissioningReportReader reader(ops, table);
    reader.SetProgress(progress);
    if (reader.Read(report, error) != 0) {
        error = "Ошибка чтения " + error + "\nОтчёт не записан.";
        return kReportNotRead;
    }
    report.writes = std::move(writes);
    if (WriteReport(report, path, error) != 0) {
        error = "Не удается записать файл " + path + ": " + error;
        return kReportNotWritten;
    }
    return kReportWritten;
}

std::string UnreadNames(const CommissioningReport& report) {
    std::string names;
    for (const std::string& key : report.unread)
        names += (names.empty() ? "" : ", ") + key;
    return names;
}
