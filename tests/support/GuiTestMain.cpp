// GUI tests run on the offscreen platform unless told otherwise, in the
// platform's font or the size ZRK_TEST_FONT_POINTS gives.
#include "TestSettingsFile.h"

#include <QApplication>
#include <QFont>

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    TestSettingsFile settings;
    QApplication app(argc, argv);
    // A desktop whose system font is larger, in points, as a desktop sets it.
    if (const char* points = std::getenv("ZRK_TEST_FONT_POINTS")) {
        QFont font = QApplication::font();
        font.setPointSizeF(std::atof(points));
        QApplication::setFont(font);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
