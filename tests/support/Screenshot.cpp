#include "Screenshot.h"

#include <QDir>

#include <gtest/gtest.h>

void SaveScreenshot(const QPixmap& picture, const char* name) {
    const QString dir = qEnvironmentVariable("ZRK_SCREENSHOT_DIR");
    if (dir.isEmpty())
        return;
    const QString path = QDir(dir).filePath(QString(name) + ".png");
    EXPECT_TRUE(picture.save(path)) << path.toStdString();
}
