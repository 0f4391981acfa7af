#pragma once
// Pictures of the controls for a human to look at: saved only when
// ZRK_SCREENSHOT_DIR names a folder.

#include <QPixmap>

// Saves picture as <ZRK_SCREENSHOT_DIR>/<name>.png; a failed save fails the test.
void SaveScreenshot(const QPixmap& picture, const char* name);
