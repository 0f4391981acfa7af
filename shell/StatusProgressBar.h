#pragma once
// The progress bar under the wizard buttons and in the busy window. A plain
// QProgressBar stands in until the animated bar of controls/ takes its place.

#include <QProgressBar>

using StatusProgressBar = QProgressBar;
