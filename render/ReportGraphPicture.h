#pragma once
// A correction graph of the report as a picture, painted by the wizard's own
// graph painting.

#include "config/CommissioningReport.h"

#include <QImage>
#include <QSize>

// Needs a QGuiApplication (fonts).
QImage ReportGraphPicture(const ReportGraph& graph, QSize size = QSize(640, 360));
