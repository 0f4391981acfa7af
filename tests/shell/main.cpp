#include "shell/FontFallback.h"
#include "shell/ProgramResources.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // ctest lists the tests without its environment; never open a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    FontFallback::Install();
    ProgramResources::Load();
    return RUN_ALL_TESTS();
}
