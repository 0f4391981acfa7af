#include "LocaleReport.h"
#include "params/ParameterHelp.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <clocale>
#include <iostream>
#include <locale.h>

namespace {

constexpr const char* kLocale = "ru_RU.UTF-8";

// The range sentence of a "stored_dot" parameter: the core's printf numbers.
std::string RangeSentence() {
    Parameter p("SP");
    p.format = "stored_dot";
    p.lower = 0.5;
    p.upper = 1.5;
    return GetParameterHelp(p, 8, "/nonexistent").range;
}

} // namespace

int PrintLocaleReport() {
    std::cout << "ctype=" << std::setlocale(LC_CTYPE, nullptr) << "\n"
              << "range=" << RangeSentence() << "\n";
    return 0;
}

namespace {

bool HasLocale(const char* name) {
    locale_t found = newlocale(LC_ALL_MASK, name, locale_t(0));
    if (found)
        freelocale(found);
    return found != locale_t(0);
}

// The Russian locale, installed or compiled into folder. Empty LOCPATH: installed.
bool FindRussianLocale(const QString& folder, QString& locPath) {
    if (HasLocale(kLocale))
        return true;
    QProcess localedef;
    localedef.start("localedef", {"-i", "ru_RU", "-f", "UTF-8", folder + "/" + kLocale});
    if (!localedef.waitForFinished(60000) || localedef.exitCode() != 0)
        return false;
    locPath = folder;
    return true;
}

QString RunChild(const QString& locPath, bool withSetup) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("LC_ALL");
    env.remove("LC_NUMERIC");
    env.insert("LANG", kLocale);
    env.insert(kLocaleReportSwitch, "1");
    if (!locPath.isEmpty())
        env.insert("LOCPATH", locPath);
    if (!withSetup)
        env.insert("ZRK_SKIP_PROGRAM_SETUP", "1");
    QProcess child;
    child.setProcessEnvironment(env);
    child.start(QCoreApplication::applicationFilePath(), {});
    EXPECT_TRUE(child.waitForFinished(60000));
    return QString::fromUtf8(child.readAllStandardOutput());
}

TEST(ProgramLocale, NumbersKeepTheirDotUnderARussianLocale) {
    QTemporaryDir folder;
    QString locPath;
    if (!FindRussianLocale(folder.path(), locPath))
        GTEST_SKIP() << kLocale << " is not installed and localedef cannot build it";

    const QString withSetup = RunChild(locPath, true);
    EXPECT_TRUE(withSetup.contains("ctype=ru_RU")) << withSetup.toStdString();
    EXPECT_TRUE(withSetup.contains("от 0.500 до 1.500.")) << withSetup.toStdString();

    // Without the setup Qt's locale wins: this shows the check above can fail.
    const QString without = RunChild(locPath, false);
    EXPECT_TRUE(without.contains("от 0,500 до 1,500.")) << without.toStdString();
}

} // namespace
