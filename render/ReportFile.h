#pragma once
// Writes a commissioning report as one HTML file (pictures inline) or as an
// A4 PDF with page numbers and embedded fonts; whole or not at all.

#include "config/CommissioningReport.h"

#include <string>

enum class ReportFormat { None, Html, Pdf };

// By the name's extension (.html, .htm, .pdf, any case).
ReportFormat ReportFormatOf(const std::string& path);

// Needs a QGuiApplication. 0, or -1 with the reason in error (the file is
// then left as it was).
int WriteReport(const CommissioningReport& report, const std::string& path, std::string& error);
