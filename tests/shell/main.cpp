#include "LocaleReport.h"
#include "TestSettingsFile.h"
#include "shell/ProgramSetup.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // ctest lists the tests without its environment; never open a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    TestSettingsFile settings;
    QApplication app(argc, argv);
    // The locale test's control run shows what happens without the setup.
    if (qEnvironmentVariableIsEmpty("ZRK_SKIP_PROGRAM_SETUP"))
        ProgramSetup::Apply();
    if (!qEnvironmentVariableIsEmpty(kLocaleReportSwitch))
        return PrintLocaleReport();
    return RUN_ALL_TESTS();
}
