#pragma once
// The commissioning report as HTML that both a browser and QTextDocument
// render alike: plain tables, black on white, so it prints in black and white.

#include "config/CommissioningReport.h"

#include <QString>

#include <functional>

// imageSource gives the src of the picture of graph i (report.graphs[i]).
QString ReportHtml(const CommissioningReport& report,
                   const std::function<QString(int graph)>& imageSource);
