#pragma once
// The commissioning report of the controller on the line, read and written
// in one go: what `zrk640ctl report` and the wizard's finish page do.

#include "config/CommissioningReportReader.h"

#include <string>
#include <vector>

// Results of WriteControllerReport.
inline constexpr int kReportWritten = 0;
inline constexpr int kReportNotRead = 1;    // the controller could not be read: no file
inline constexpr int kReportNotWritten = 2; // the file could not be written

// Reads the report, adds the session's writes and writes it to path (needs
// a QGuiApplication). Anything but kReportWritten leaves the operator's text
// in error. Values that could not be read are marked in the file and listed
// in report.unread.
int WriteControllerReport(DeviceOperations& ops, const ParameterTable& table,
                          const std::string& path,
                          const CommissioningReportReader::Progress& progress,
                          std::vector<ReportWrite> writes, CommissioningReport& report,
                          std::string& error);

// "KEY, KEY": the values the report marks unread.
std::string UnreadNames(const CommissioningReport& report);
